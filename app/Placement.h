// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QPoint>
#include <QSize>

namespace quillby {

// Where the main window goes once its data is loaded: at the right edge of the screen, one
// window height above the bottom, from the full screen size and the window's outer size.
inline QPoint RightEdgePosition(QSize screen, QSize window)
{
    return {screen.width() - window.width(), screen.height() - 2 * window.height()};
}

// Where the main window stays when loading fails.
inline constexpr QPoint kDesignTimePosition{653, 353};

} // namespace quillby
