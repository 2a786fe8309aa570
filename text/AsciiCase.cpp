// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "text/AsciiCase.h"

namespace quillby {

std::string AsciiUpper(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper)
        c = AsciiUpper(c);
    return upper;
}

std::string AsciiLower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = AsciiLower(c);
    return lower;
}

bool StartsWithAsciiUpper(std::string_view text, std::string_view upperPrefix)
{
    if (upperPrefix.empty() || text.size() < upperPrefix.size())
        return false;
    for (std::size_t i = 0; i < upperPrefix.size(); ++i) {
        if (AsciiUpper(text[i]) != upperPrefix[i])
            return false;
    }
    return true;
}

} // namespace quillby
