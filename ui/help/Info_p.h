// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// What the information window keeps to itself, for its tests: its controls, its images and the
// address of its home page. The program itself never includes this header.

#include "ui/help/Info.h"

namespace quillby {

class TfrmInfoInspector {
public:
    explicit TfrmInfoInspector(const TfrmInfo &info)
        : info_(info)
    {
    }

    ResourceBrowser *wbPages() const { return info_.wbPages_; }
    QToolBar *tbrPages() const { return info_.tbrPages_; }
    QToolButton *tbtnHome() const { return info_.tbtnHome_; }
    QToolButton *tbtnBack() const { return info_.tbtnBack_; }
    QStatusBar *sbStatus() const { return info_.sbStatus_; }
    // Image 0 Home, image 1 Back; image 2 is used by no button.
    const std::array<QIcon, 3> &imgToolButtons() const { return info_.imgToolButtons_; }
    // The address of the home page inside the program file.
    QString HomeUrl() const { return info_.HomeUrl(); }

private:
    const TfrmInfo &info_;
};

} // namespace quillby
