// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QObject>
#include <QRect>

namespace quillby {

class FramedFormPrivate;

// One of the boxes the frame draws in its caption, as an object that assistive tools can reach
// and press. It belongs to its form's frame.
class CaptionBox : public QObject {
    Q_OBJECT

public:
    enum class Kind { Close, Maximize, Minimize, Help };

    CaptionBox(FramedFormPrivate &frame, Kind kind);

    QWidget *Form() const;
    Kind BoxKind() const { return kind_; }
    QString Name() const;
    // Where the box is drawn, in window coordinates; empty when the form offers no such box.
    QRect WindowRect() const;
    // A maximize or minimize box is drawn greyed when the form does not offer it.
    bool Enabled() const;
    // What a click on the box does, through the window procedure.
    void Press();

private:
    FramedFormPrivate &frame_;
    Kind kind_;
};

} // namespace quillby
