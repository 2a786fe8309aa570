// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/WindowStyles_p.h"

namespace quillby {

WindowStyle StyleFor(TFormBorderStyle border, TBorderIcons icons)
{
    WindowStyle result;
    switch (border) {
    case TFormBorderStyle::bsNone:
        return result;
    case TFormBorderStyle::bsSingle:
        result.Style = WS_CAPTION;
        break;
    case TFormBorderStyle::bsSizeable:
        result.Style = WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        result.Style = WS_CAPTION;
        result.ExStyle = WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
        result.Style = WS_CAPTION;
        result.ExStyle = WS_EX_TOOLWINDOW;
        break;
    case TFormBorderStyle::bsSizeToolWin:
        result.Style = WS_CAPTION | WS_THICKFRAME;
        result.ExStyle = WS_EX_TOOLWINDOW;
        break;
    }
    if (!(icons & biSystemMenu))
        return result;
    result.Style |= WS_SYSMENU;
    const bool boxesAllowed =
        border == TFormBorderStyle::bsSingle || border == TFormBorderStyle::bsSizeable;
    if (boxesAllowed && (icons & biMinimize))
        result.Style |= WS_MINIMIZEBOX;
    if (boxesAllowed && (icons & biMaximize))
        result.Style |= WS_MAXIMIZEBOX;
    if ((icons & biHelp) && !(result.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
        result.ExStyle |= WS_EX_CONTEXTHELP;
    return result;
}

} // namespace quillby
