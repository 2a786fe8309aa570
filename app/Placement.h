// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillby {

// Where the main window goes once its data is loaded: against the right edge of the screen's
// work area (what panels leave free, so that none covers the caption's buttons) and one window
// height above its bottom, from the window's outer size.
inline QPoint RightEdgePosition(const QRect &workArea, QSize window)
{
    return {workArea.left() + workArea.width() - window.width(),
            workArea.top() + workArea.height() - 2 * window.height()};
}

// Where the main window stays when loading fails.
inline constexpr QPoint kDesignTimePosition{653, 353};

} // namespace quillby
