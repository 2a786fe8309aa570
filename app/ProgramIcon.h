// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QIcon>

namespace quillby {

// The icon of the program's windows: the scalable picture drawn at the sizes panels and task
// switchers ask for (16 to 256 pixels), with the hand-drawn 32-pixel picture at its own size;
// only the 32-pixel picture when the scalable one cannot be read (no SVG plugin). Desktops that
// go by the desktop entry take the installed scalable icon itself.
QIcon ProgramIcon();

} // namespace quillby
