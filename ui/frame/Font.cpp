// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/Font_p.h"

namespace quillby {

QFont TFont::ToQFont() const
{
    QFont font(Name);
    font.setStyleHint(QFont::SansSerif);
    if (Height != 0)
        font.setPixelSize(Height < 0 ? -Height : Height);
    font.setBold(Style & fsBold);
    font.setItalic(Style & fsItalic);
    font.setUnderline(Style & fsUnderline);
    font.setStrikeOut(Style & fsStrikeOut);
    return font;
}

} // namespace quillby
