// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QWidget>

class QLabel;

namespace quillby {

// The small borderless window that stands centred on the desktop while one list loads. It
// takes no taskbar button and no focus.
class TfrmProgress : public QWidget {
    Q_OBJECT

public:
    explicit TfrmProgress(QWidget *parent = nullptr);

    QLabel *pnlProgress() const { return pnlProgress_; }
    // Puts the window in the middle of the desktop's work area: (work area - window) div 2 on
    // both axes.
    void CentreOnDesktop();

private:
    QLabel *pnlProgress_;
};

} // namespace quillby
