// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/CaptionBox_p.h"

#include "ui/frame/FrameAccessible_p.h"
#include "ui/frame/FramedForm_p.h"

#include <QWidget>

namespace quillby {

namespace {

// A caption box (close, maximize, minimize, help), pressed as the window system presses it.
class CaptionBoxAccessible : public CaptionPartAccessible {
public:
    explicit CaptionBoxAccessible(CaptionBox *box)
        : CaptionPartAccessible(box, box->Form())
        , box_(box)
    {
    }

protected:
    QString Name() const override { return box_->Name(); }
    QRect WindowRect() const override { return box_->WindowRect(); }
    bool Enabled() const override { return box_->Enabled(); }
    void Press() override { box_->Press(); }

private:
    CaptionBox *box_;
};

QAccessibleInterface *CaptionBoxAccessibleFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("quillby::CaptionBox"))
        return new CaptionBoxAccessible(static_cast<CaptionBox *>(object));
    return nullptr;
}

} // namespace

CaptionBox::CaptionBox(FramedFormPrivate &frame, Kind kind)
    : QObject(&frame)
    , frame_(frame)
    , kind_(kind)
{
    static const bool accessible = [] {
        QAccessible::installFactory(CaptionBoxAccessibleFactory);
        return true;
    }();
    Q_UNUSED(accessible);
}

QWidget *CaptionBox::Form() const
{
    return &frame_.Form();
}

QString CaptionBox::Name() const
{
    switch (kind_) {
    case Kind::Close:
        // Not "Close": a window may well have a Close button of its own.
        return QStringLiteral("Close window");
    case Kind::Maximize:
        return frame_.Form().isMaximized() ? QStringLiteral("Restore") : QStringLiteral("Maximize");
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
        return frame_.CloseBoxRect();
    case Kind::Maximize:
        return frame_.MaxBoxRect();
    case Kind::Minimize:
        return frame_.MinBoxRect();
    case Kind::Help:
        return frame_.HelpBoxRect();
    }
    return {};
}

bool CaptionBox::Enabled() const
{
    const std::uint32_t style = frame_.GetWindowLong(GWL_STYLE);
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
        command = frame_.Form().isMaximized() ? SC_RESTORE : SC_MAXIMIZE;
        break;
    case Kind::Minimize:
        command = SC_MINIMIZE;
        break;
    case Kind::Help:
        command = SC_CONTEXTHELP;
        break;
    }
    frame_.Perform(WM_SYSCOMMAND, command, 0);
}

} // namespace quillby
