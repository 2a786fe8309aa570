// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordSearch.h"

#include "lookup/Soundex.h"
#include "text/AsciiCase.h"
#include "text/CaseFolding.h"

#include <algorithm>

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
    const SoundGroups &groups = list.Sounds();
    if (MatchesByPrefix(typed)) {
        const std::string prefix = UpperPrefix(typed);
        if (prefix.empty())
            return lines;
        // Only words whose first byte has the prefix's upper case can match: those whose sound
        // code starts with it.
        const std::span<const std::string_view> words = list.Words();
        for (std::uint32_t line : groups.LinesStartingWith(UpperCase1252(prefix.front()))) {
            if (StartsWithAsciiUpper(words[line], prefix))
                lines.push_back(line);
        }
        std::sort(lines.begin(), lines.end());
        return lines;
    }
    const std::span<const std::uint32_t> sameSound = groups.Lines(SoundexKeyOf(typed));
    lines.assign(sameSound.begin(), sameSound.end());
    return lines;
}

} // namespace quillby
