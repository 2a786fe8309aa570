// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/FirstLineOnly.h"

#include <algorithm>

namespace quillby {

namespace {

// Carriage return, line feed, vertical tab, form feed, next line, line and paragraph separator.
bool IsLineBreak(QChar c)
{
    switch (c.unicode()) {
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x85:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

} // namespace

FirstLineOnly::FirstLineOnly(QObject *parent)
    : QValidator(parent)
{
}

// The box held no line break before; what just went in ends at the cursor. Of it, everything
// from its first line break on is left out.
QValidator::State FirstLineOnly::validate(QString &input, int &pos) const
{
    const auto first = std::find_if(input.cbegin(), input.cend(), IsLineBreak);
    if (first == input.cend())
        return Acceptable;
    const auto last = std::find_if(input.crbegin(), input.crend(), IsLineBreak);
    const int from = int(first - input.cbegin());
    const int to = qMax(pos, int(input.crend() - last));
    input.remove(from, to - from);
    pos = from;
    return Acceptable;
}

} // namespace quillby
