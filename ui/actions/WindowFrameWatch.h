// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>

#include <cstdint>

class QWidget;

namespace quillby {

// The frame the window manager puts around one top-level window. Under X11 it is read from the
// _NET_FRAME_EXTENTS the window manager sets on the window once it has framed it, and each new
// setting is announced: the toolkit's own idea of the frame may come before that setting or
// never catch up with it. Elsewhere the toolkit's idea is all there is, and nothing is announced.
class WindowFrameWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit WindowFrameWatch(QWidget &window);
    ~WindowFrameWatch() override;

    // The frame's widths on each side; none while the window has no frame yet.
    QMargins Margins() const;

signals:
    // The window manager gave the window a frame, or another one.
    void Changed();

protected:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QMargins ToolkitMargins() const;

    QWidget &window_;
    // The X11 connection and the atom of _NET_FRAME_EXTENTS; none off X11.
    void *connection_ = nullptr;
    std::uint32_t extentsAtom_ = 0;
};

} // namespace quillby
