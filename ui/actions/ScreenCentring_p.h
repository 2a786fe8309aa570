// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWindow>

#include <functional>

class QWidget;

namespace quillby {

// Keeps one window centred on its screen by its outer frame: the window itself and the frame
// `frame` gives around it, as far as it is known. It centres when the window is about to
// appear (once its own show handling has sized it, just before its native window shows), when
// it takes another size, when it is activated and when it is told the frame changed, whichever
// of these come and in whatever order; each time only if the window and its frame are not
// those it last centred for, so that a window the user moves stays where it is put.
class ScreenCentring : public QObject {
public:
    ScreenCentring(QWidget &window, std::function<QMargins()> frame);

    // The window manager may have framed the window anew.
    void FrameChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Centre();

    QWidget &window_;
    // The window's native window, whose showing comes after the window's own.
    QPointer<QWindow> watchedHandle_;
    std::function<QMargins()> frame_;
    QSize centredSize_;
    QMargins centredFrame_;
};

} // namespace quillby
