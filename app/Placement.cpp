// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/Placement.h"

#include <QtMath>

#include <algorithm>

namespace quillby {

namespace {

// Moves a window's leading edge `position` (its `size` long) so that the window lies between
// `first` and `end` (exclusive), the leading edge winning where it cannot.
int KeepBetween(int position, int size, int first, int end, qreal scale)
{
    position = std::max(std::min(position, end - size), first);
    if (scale == std::floor(scale))
        return position;
    // A logical edge rounded from device pixels may stand up to half a logical pixel beyond the
    // real one: the nearest device edge it can come from is the limit. The window's own device
    // edge is its position and size each rounded, as they are mapped to the screen.
    const int endOnDevice = qCeil((end - 0.5) * scale);
    while (position > first && qRound(position * scale) + qRound(size * scale) > endOnDevice)
        --position;
    return position;
}

} // namespace

QPoint RightEdgePosition(const QRect &workArea, QSize window, qreal scale)
{
    const int workRight = workArea.left() + workArea.width();
    const int workBottom = workArea.top() + workArea.height();
    return {
        KeepBetween(workRight - window.width(), window.width(), workArea.left(), workRight, scale),
        KeepBetween(workBottom - 2 * window.height(), window.height(), workArea.top(), workBottom,
                    scale)};
}

} // namespace quillby
