// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/SystemColors_p.h"

#include <QFont>
#include <QString>

namespace quillby {

// A font as forms store it: face name, height in pixels (negative: the character height without
// the internal leading), colour, character set and style.
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

inline constexpr int DEFAULT_CHARSET = 1;

struct TFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Height = -11;
    TColor Color = clWindowText;
    int Charset = DEFAULT_CHARSET;
    unsigned Style = 0;

    // The font to draw with; a face that is not installed falls back to the sans-serif face
    // at the same height.
    QFont ToQFont() const;

    bool operator==(const TFont &other) const = default;
};

} // namespace quillby
