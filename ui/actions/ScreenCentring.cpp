// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/ScreenCentring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillby {

namespace {

// Watches one window and moves it to the middle of its screen whenever its outer size is not the
// one it was last centred for.
class ScreenCentring : public QObject {
public:
    explicit ScreenCentring(QWidget &window)
        : QObject(&window)
        , window_(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        // Shown and sized; then whenever the window system may have framed it since: it paints,
        // is placed or is activated once it is on screen.
        case QEvent::Show:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::Move:
        case QEvent::WindowActivate:
            if (watched == &window_ && window_.isVisible())
                Centre();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Centre()
    {
        const QSize outer = window_.frameGeometry().size();
        if (outer == centredFor_)
            return;
        const QScreen *screen =
            window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        centredFor_ = outer;
        const QRect area = screen->geometry();
        window_.move(area.left() + (area.width() - outer.width()) / 2,
                     area.top() + (area.height() - outer.height()) / 2);
    }

    QWidget &window_;
    QSize centredFor_;
};

} // namespace

void CentreOnScreen(QWidget &window)
{
    new ScreenCentring(window);
}

} // namespace quillby
