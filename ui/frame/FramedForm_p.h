// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// What the tests read of a framed form beyond its public face.

#include "ui/frame/FramedForm.h"

#include <QImage>

namespace quillby {

struct FrameInspection {
    // The window's frame and caption, and what was drawn over them, as drawn last.
    const QImage &surface;
    // Whether the caption is drawn in the active colours.
    bool captionActive;
    // Whether the window holds the mouse (SetCapture without ReleaseCapture).
    bool captured;
};

FrameInspection Inspect(const FramedForm &form);

} // namespace quillby
