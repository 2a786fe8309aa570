// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/ProgramIcon.h"

namespace quillby {

QIcon ProgramIcon()
{
    const QString drawn = QStringLiteral(":/ICON/MAINICON");
    const QIcon scalable(QStringLiteral(":/ICON/MAINICON.SVG"));
    QIcon icon;
    // Each size is a picture of its own, so that the window system is handed all of them.
    for (const int side : {16, 22, 24, 48, 64, 128, 256}) {
        const QPixmap picture = scalable.pixmap(QSize(side, side), 1.0);
        if (picture.size() == QSize(side, side))
            icon.addPixmap(picture);
    }
    icon.addFile(drawn, QSize(32, 32));
    return icon;
}

} // namespace quillby
