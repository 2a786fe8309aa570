// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordSearch.h"

#include "lookup/StrRoutines.h"
#include "text/AsciiCase.h"

namespace quillby {

bool MatchesByPrefix(std::string_view typed)
{
    return typed.size() < 5 || typed.find('%') != std::string_view::npos;
}

std::string UpperPrefix(std::string_view typed)
{
    std::string prefix = AsciiUpper(typed);
    if (const std::size_t percent = prefix.find('%'); percent != std::string::npos)
        prefix.erase(percent, 1);
    return prefix;
}

std::vector<std::size_t> MatchingLines(WordList &list, std::string_view typed)
{
    std::vector<std::size_t> lines;
    if (MatchesByPrefix(typed)) {
        const std::string prefix = UpperPrefix(typed);
        if (prefix.empty())
            return lines;
        const std::span<const std::string_view> words = list.Words();
        for (std::size_t i = 0; i < words.size(); ++i) {
            // Most words differ in the first letter already.
            if (!words[i].empty() && AsciiUpper(words[i].front()) != prefix.front())
                continue;
            if (StartsWithAsciiUpper(words[i], prefix))
                lines.push_back(i);
        }
        return lines;
    }
    const SoundexKey code = SoundexKeyOf(typed);
    const std::span<const SoundexKey> codes = list.SoundCodes();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == code)
            lines.push_back(i);
    }
    return lines;
}

} // namespace quillby
