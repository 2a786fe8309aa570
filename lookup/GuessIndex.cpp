// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/GuessIndex.h"

#include <algorithm>
#include <charconv>

namespace quillby {

GuessIndex::GuessIndex(std::span<const std::string_view> words, const WordPriors &priors)
{
    WordPriors::ListPriors list = priors.ForList(words);
    priors_ = std::move(list.each);
    // The added words' lines, `spelling TAB logarithm`, each ended by LF.
    for (std::string_view rest = list.added; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const std::size_t tab = line.find('\t');
        int hundredths = 0;
        if (tab == 0 || tab == std::string_view::npos ||
            std::from_chars(line.data() + tab + 1, line.data() + line.size(), hundredths).ec !=
                std::errc())
            continue;
        added_.push_back(line.substr(0, tab));
        addedCodes_.push_back(SoundexKeyOf(added_.back()));
        // A known spelling, as it is written; held within what two bytes hold.
        hundredths = std::clamp(hundredths, -(1 << 13), (1 << 13) - 1);
        priors_.push_back({static_cast<std::int16_t>(4 * hundredths + 1)});
    }
    close_ = CloseWordIndex(words, added_);
}

WordPrior GuessIndex::PriorOf(std::size_t line) const
{
    return priors_[line].Unpack();
}

} // namespace quillby
