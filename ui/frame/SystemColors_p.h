// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

class QPalette;

namespace quillby {

// A colour as the stored forms give it: either a plain $00BBGGRR value or one of the system
// colours, which take their value from the palette when drawn.
using TColor = std::int32_t;

inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor clInfoBk = clSystemColor | 24;
inline constexpr TColor clGradientActiveCaption = clSystemColor | 27;
inline constexpr TColor clGradientInactiveCaption = clSystemColor | 28;

// The colour to draw with. Button, text and hint colours come from the palette; the caption
// colours are the classic ones unless `themed`, which takes them from the palette as well. The
// inactive caption's text is black or white, whichever reads better on its caption.
QColor ColorToRGB(TColor color, const QPalette &palette, bool themed = false);

// How far two colours stand apart for reading, from 1 (the same) to 21 (black and white).
double ContrastRatio(const QColor &a, const QColor &b);

// `ink` where it stands out from `ground` by `ratio` or more; else `ink` taken as little toward
// white (on a dark ground) or black (on a light one) as reaches the ratio, or that end itself
// when nothing less does. Its alpha stays.
QColor ReadableInk(const QColor &ink, const QColor &ground, double ratio);

// The names a stored form uses ("clWindowText", or "$00BBGGRR" for a plain colour).
QString ColorToString(TColor color);
std::optional<TColor> StringToColor(const QString &text);

} // namespace quillby
