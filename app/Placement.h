// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillby {

// Where the main window goes once its data is loaded: against the right edge of the screen's
// work area (what panels leave free, so that none covers the caption's buttons) and one window
// height above its bottom, from the window's outer size; then moved back into the work area
// wherever that would leave it (a tall window on a small or highly scaled screen), its top-left
// corner kept inside when it is larger than the work area.
//
// Positions and sizes are in logical pixels; `scale` is the screen's device pixels per logical
// pixel. At a fractional scale the work area's logical edges are rounded from device pixels, so
// the window is kept inside by its edges as they fall on the device pixels.
QPoint RightEdgePosition(const QRect &workArea, QSize window, qreal scale = 1.0);

// Where the main window stays when loading fails.
inline constexpr QPoint kDesignTimePosition{653, 353};

} // namespace quillby
