// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

class QWidget;

namespace quillby {

// Keeps a window's outer frame centred on its screen from the moment it shows: once it has taken
// its size, and again when the window manager gives it a frame (whose size is known only once
// the window is on screen, and under X11 only from the window manager's own word). A window the
// user moves stays where it is put.
void CentreOnScreen(QWidget &window);

} // namespace quillby
