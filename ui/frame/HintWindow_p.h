// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/SystemColors_p.h"

#include <QWidget>

namespace quillby {

// A small window with one line of text, in the tool-tip colours, standing over other windows
// without taking the focus.
class THintWindow : public QWidget {
    Q_OBJECT

public:
    explicit THintWindow(QWidget *parent = nullptr);

    // Shows `text` over `screenRect`, widened to fit the text and moved to stay on the screen.
    void ActivateHint(const QRect &screenRect, const QString &text);
    // Takes the window off the screen; it shows again at the next ActivateHint.
    void ReleaseHandle();
    bool HandleAllocated() const { return isVisible(); }
    QString Text() const { return text_; }

    TColor Color() const { return color_; }
    void SetColor(TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    TColor color_ = clInfoBk;
};

} // namespace quillby
