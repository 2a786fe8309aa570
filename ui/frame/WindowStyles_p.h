// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/BorderStyle.h"

#include <cstdint>

namespace quillby {

// Window style bits, as GetWindowLong reports them, with their Windows values.
enum : std::uint32_t {
    WS_MAXIMIZEBOX = 0x00010000,
    WS_MINIMIZEBOX = 0x00020000,
    WS_THICKFRAME = 0x00040000,
    WS_SYSMENU = 0x00080000,
    WS_DLGFRAME = 0x00400000,
    WS_BORDER = 0x00800000,
    WS_CAPTION = 0x00C00000,
};

// Extended window style bits.
enum : std::uint32_t {
    WS_EX_DLGMODALFRAME = 0x00000001,
    WS_EX_TOPMOST = 0x00000008,
    WS_EX_TOOLWINDOW = 0x00000080,
    WS_EX_CONTEXTHELP = 0x00000400,
};

// GetWindowLong's index.
enum : int { GWL_EXSTYLE = -20, GWL_STYLE = -16 };

// How a form stands among other windows; the two multiple-document styles are never on top.
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

struct WindowStyle {
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
};

// The style bits a form with this frame and these caption boxes has: a dialog or tool window
// offers no minimise or maximise box, and the help box only where neither is offered.
WindowStyle StyleFor(TFormBorderStyle border, TBorderIcons icons);

} // namespace quillby
