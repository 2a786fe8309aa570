// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

class QMessageBox;

namespace quillby {

// Makes a message box wide enough for its title to show whole in the caption the window
// manager draws: the title's width in a caption's bold type, and room for the caption's icon
// and its buttons beside it. A box sizes itself to its text, and a short text ("Version 2.00 ")
// leaves too narrow a caption for a longer title, which the window manager then cuts short.
// Call it once the box has its title, icon and text.
void LeaveRoomForTitle(QMessageBox &box);

} // namespace quillby
