// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/ProgramIcon.h"

namespace quillby {

QIcon ProgramIcon()
{
    const QString drawn = QStringLiteral(":/ICON/MAINICON");
    QIcon icon(QStringLiteral(":/ICON/MAINICON.SVG"));
    if (icon.isNull() || icon.pixmap(QSize(256, 256), 1.0).isNull())
        return QIcon(drawn);
    // Listed sizes are what the window system is handed; other sizes are drawn when asked for.
    for (const int side : {16, 22, 24, 48, 64, 128, 256})
        icon.addPixmap(icon.pixmap(QSize(side, side), 1.0));
    icon.addFile(drawn, QSize(32, 32));
    return icon;
}

} // namespace quillby
