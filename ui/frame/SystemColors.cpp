// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/SystemColors_p.h"

#include <QPalette>

#include <array>
#include <cmath>

namespace quillby {

namespace {

struct NamedColor {
    TColor color;
    const char *name;
};

constexpr std::array kNames = {
    NamedColor{clActiveCaption, "clActiveCaption"},
    NamedColor{clInactiveCaption, "clInactiveCaption"},
    NamedColor{clWindowText, "clWindowText"},
    NamedColor{clCaptionText, "clCaptionText"},
    NamedColor{clBtnFace, "clBtnFace"},
    NamedColor{clBtnShadow, "clBtnShadow"},
    NamedColor{clInactiveCaptionText, "clInactiveCaptionText"},
    NamedColor{clBtnHighlight, "clBtnHighlight"},
    NamedColor{clInfoBk, "clInfoBk"},
    NamedColor{clGradientActiveCaption, "clGradientActiveCaption"},
    NamedColor{clGradientInactiveCaption, "clGradientInactiveCaption"},
};

// The relative luminance of a colour on the sRGB scale, from 0 for black to 1 for white.
double Luminance(const QColor &color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

// Black or white, whichever stands out more against both ends of a caption's gradient.
QColor ReadableOn(const QColor &from, const QColor &to)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const double onBlack = qMin(ContrastRatio(black, from), ContrastRatio(black, to));
    const double onWhite = qMin(ContrastRatio(white, from), ContrastRatio(white, to));
    return onBlack >= onWhite ? black : white;
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor ReadableInk(const QColor &ink, const QColor &ground, double ratio)
{
    if (ContrastRatio(ink, ground) >= ratio)
        return ink;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor end = ContrastRatio(white, ground) >= ContrastRatio(black, ground) ? white : black;
    if (ContrastRatio(end, ground) < ratio)
        return end;
    // Each channel moves steadily toward the end, in 255 steps of whole levels, and so does the
    // contrast: the least step that reaches the ratio.
    const auto step = [&](int t) {
        const auto channel = [t](int from, int to) { return from + ((to - from) * t + 127) / 255; };
        return QColor(channel(ink.red(), end.red()), channel(ink.green(), end.green()),
                      channel(ink.blue(), end.blue()), ink.alpha());
    };
    int low = 0;
    int high = 255;
    while (low + 1 < high) {
        const int middle = (low + high) / 2;
        (ContrastRatio(step(middle), ground) >= ratio ? high : low) = middle;
    }
    return step(high);
}

QColor ColorToRGB(TColor color, const QPalette &palette, bool themed)
{
    switch (color) {
    case clWindowText:
        return palette.color(QPalette::WindowText);
    case clBtnFace:
        return palette.color(QPalette::Button);
    case clBtnShadow:
        return palette.color(QPalette::Dark);
    case clBtnHighlight:
        return palette.color(QPalette::Light);
    case clInfoBk:
        return palette.color(QPalette::ToolTipBase);
    case clActiveCaption:
        return themed ? palette.color(QPalette::Active, QPalette::Highlight) : QColor(0, 0, 128);
    case clGradientActiveCaption:
        return themed ? palette.color(QPalette::Active, QPalette::Highlight).lighter(140)
                      : QColor(16, 132, 208);
    case clInactiveCaption:
        return themed ? palette.color(QPalette::Dark) : QColor(128, 128, 128);
    case clGradientInactiveCaption:
        return themed ? palette.color(QPalette::Mid) : QColor(192, 192, 192);
    case clCaptionText:
        return themed ? palette.color(QPalette::Active, QPalette::HighlightedText)
                      : QColor(255, 255, 255);
    case clInactiveCaptionText:
        return ReadableOn(ColorToRGB(clInactiveCaption, palette, themed),
                          ColorToRGB(clGradientInactiveCaption, palette, themed));
    default:
        break;
    }
    const auto value = static_cast<std::uint32_t>(color);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QString ColorToString(TColor color)
{
    for (const NamedColor &named : kNames) {
        if (named.color == color)
            return QLatin1String(named.name);
    }
    return QStringLiteral("$%1")
        .arg(static_cast<std::uint32_t>(color), 8, 16, QLatin1Char('0'))
        .toUpper();
}

std::optional<TColor> StringToColor(const QString &text)
{
    for (const NamedColor &named : kNames) {
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.color;
    }
    if (text.size() == 9 && text.front() == QLatin1Char('$')) {
        bool ok = false;
        const std::uint32_t value = text.mid(1).toUInt(&ok, 16);
        if (ok)
            return static_cast<TColor>(value);
    }
    return std::nullopt;
}

} // namespace quillby
