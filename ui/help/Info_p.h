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

    ResourceBrowser *WebBrowser1() const { return info_.webBrowser1_; }
    QToolBar *ToolBar1() const { return info_.toolBar1_; }
    QToolButton *ToolButton1() const { return info_.toolButton1_; }
    QToolButton *ToolButton3() const { return info_.toolButton3_; }
    QStatusBar *StatusBar1() const { return info_.statusBar1_; }
    // Image 0 Home, image 1 Back; image 2 is used by no button.
    const std::array<QIcon, 3> &ImageList1() const { return info_.imageList1_; }
    // The address of the home page inside the program file.
    QString HomeUrl() const { return info_.HomeUrl(); }

private:
    const TfrmInfo &info_;
};

} // namespace quillby
