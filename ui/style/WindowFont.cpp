// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/style/WindowFont.h"

#include <QFontInfo>

namespace quillby {

QFont WindowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    if (QFontInfo(font).family().compare(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return font;
    QFont fallback;
    fallback.setStyleHint(QFont::SansSerif);
    fallback.setFamily(QStringLiteral("Sans Serif"));
    fallback.setPixelSize(11);
    return fallback;
}

} // namespace quillby
