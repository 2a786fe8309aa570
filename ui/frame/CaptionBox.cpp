// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/CaptionBox.h"

#include "ui/frame/FramedForm.h"

namespace quillby {

CaptionBox::CaptionBox(FramedForm &form, Kind kind)
    : QObject(&form)
    , form_(form)
    , kind_(kind)
{
}

FramedForm *CaptionBox::Form() const
{
    return &form_;
}

QString CaptionBox::Name() const
{
    switch (kind_) {
    case Kind::Close:
        // Not "Close": a window may well have a Close button of its own.
        return QStringLiteral("Close window");
    case Kind::Maximize:
        return form_.isMaximized() ? QStringLiteral("Restore") : QStringLiteral("Maximize");
    case Kind::Minimize:
        return QStringLiteral("Minimize");
    case Kind::Help:
        return QStringLiteral("Help");
    }
    return {};
}

QRect CaptionBox::WindowRect() const
{
    switch (kind_) {
    case Kind::Close:
        return form_.CloseBoxRect();
    case Kind::Maximize:
        return form_.MaxBoxRect();
    case Kind::Minimize:
        return form_.MinBoxRect();
    case Kind::Help:
        return form_.HelpBoxRect();
    }
    return {};
}

bool CaptionBox::Enabled() const
{
    const std::uint32_t style = form_.GetWindowLong(GWL_STYLE);
    switch (kind_) {
    case Kind::Maximize:
        return (style & WS_MAXIMIZEBOX) != 0;
    case Kind::Minimize:
        return (style & WS_MINIMIZEBOX) != 0;
    default:
        return true;
    }
}

void CaptionBox::Press()
{
    std::uintptr_t command = SC_CLOSE;
    switch (kind_) {
    case Kind::Close:
        command = SC_CLOSE;
        break;
    case Kind::Maximize:
        command = form_.isMaximized() ? SC_RESTORE : SC_MAXIMIZE;
        break;
    case Kind::Minimize:
        command = SC_MINIMIZE;
        break;
    case Kind::Help:
        command = SC_CONTEXTHELP;
        break;
    }
    form_.Perform(WM_SYSCOMMAND, command, 0);
}

} // namespace quillby
