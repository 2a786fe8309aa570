// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QPushButton>

namespace quillby {

// The main window's "&Close" button. "&Copy" beside it owns Alt+C, so Close has no key of its
// own: its underlined letter is only shown, and assistive tools are told of no key either. Its
// glyph is drawn in the button-text colour of the current palette, so that it shows on a dark
// palette as on a light one.
class CloseButton : public QPushButton {
    Q_OBJECT

public:
    explicit CloseButton(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void UpdateGlyph();
};

} // namespace quillby
