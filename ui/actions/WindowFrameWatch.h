// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>

#include <cstdint>
#include <optional>

class QWidget;

namespace quillby {

// The frame the window manager puts around one top-level window. Under X11 it is read from the
// _NET_FRAME_EXTENTS the window manager sets on the window once it has framed it, and each new
// setting is announced: the toolkit's own idea of the frame may come before that setting or
// never catch up with it. Before the window first shows, the window manager is asked what frame
// it will give it, so that the window can take its place before it appears. Elsewhere the
// toolkit's idea is all there is, and nothing is announced.
class WindowFrameWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit WindowFrameWatch(QWidget &window);
    ~WindowFrameWatch() override;

    // The frame's widths on each side: before the window shows, the frame it will get, as far
    // as the window manager tells; none while nothing is known.
    QMargins Margins() const;

signals:
    // The window manager gave the window a frame, or another one.
    void Changed();

protected:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    QMargins ToolkitMargins() const;
    // Asks the window manager what frame it would give `window` (an X11 window on
    // `connection`), and waits a while for the answer.
    std::optional<QMargins> EstimatedExtents(void *connection, std::uint32_t window) const;

    QWidget &window_;
    // The X11 connection and the atom of _NET_FRAME_EXTENTS; none off X11.
    void *connection_ = nullptr;
    std::uint32_t extentsAtom_ = 0;
};

} // namespace quillby
