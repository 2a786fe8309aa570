// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/ScreenCentring.h"

#include "ui/actions/ScreenCentring_p.h"
#include "ui/actions/WindowFrameWatch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace quillby {

ScreenCentring::ScreenCentring(QWidget &window, std::function<QMargins()> frame)
    : QObject(&window)
    , window_(window)
    , frame_(std::move(frame))
{
    window.installEventFilter(this);
}

void ScreenCentring::FrameChanged()
{
    if (window_.isVisible())
        Centre();
}

bool ScreenCentring::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Show:
            // The window's own show handling may still size it; its native window shows last.
            if (QWindow *handle = window_.windowHandle(); handle && handle != watchedHandle_) {
                handle->installEventFilter(this);
                watchedHandle_ = handle;
            }
            break;
        case QEvent::Resize:
        case QEvent::WindowActivate:
            if (window_.isVisible())
                Centre();
            break;
        default:
            break;
        }
    } else if (watched == watchedHandle_ && event->type() == QEvent::Show) {
        Centre();
    }
    return QObject::eventFilter(watched, event);
}

// The window itself is placed, inside a frame of the widths known now: a window manager keeps
// the window where it is asked to stand and draws the frame around it.
void ScreenCentring::Centre()
{
    const QMargins frame = frame_();
    // A size the window cannot take is late news of one it had before it took its own (the
    // window system's report of its first size can come after the window showed).
    const QSize size =
        window_.size().expandedTo(window_.minimumSize()).boundedTo(window_.maximumSize());
    if (size == centredSize_ && frame == centredFrame_)
        return;
    const QScreen *screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    centredSize_ = size;
    centredFrame_ = frame;
    const QSize outer = size.grownBy(frame);
    const QRect area = screen->geometry();
    const QPoint outerTopLeft(area.left() + (area.width() - outer.width()) / 2,
                              area.top() + (area.height() - outer.height()) / 2);
    window_.setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), size));
}

void CentreOnScreen(QWidget &window)
{
    auto *watch = new WindowFrameWatch(window);
    auto *centring = new ScreenCentring(window, [watch] { return watch->Margins(); });
    QObject::connect(watch, &WindowFrameWatch::Changed, centring, &ScreenCentring::FrameChanged);
}

} // namespace quillby
