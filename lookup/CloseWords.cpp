// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/CloseWords.h"

#include "lookup/OsaDistance.h"
#include "lookup/SimilarBits.h"

#include <algorithm>

namespace quillby {

std::uint64_t CharacterBits(std::string_view text)
{
    std::uint64_t bits = 0;
    for (char c : text) {
        const unsigned char folded = FoldedByte(c);
        const int index = folded >= 'A' && folded <= 'Z' ? folded - 'A' : 26 + folded % 6;
        const std::uint64_t bit = std::uint64_t{1} << index;
        // A character seen before sets its bit in the upper half.
        bits |= (bits & bit) != 0 ? bit << 32 : bit;
    }
    return bits;
}

CloseWordIndex::CloseWordIndex(std::span<const std::string_view> words)
{
    std::size_t longest = 0;
    for (std::string_view word : words)
        longest = std::max(longest, word.size());
    starts_.assign(longest + 2, 0);
    for (std::string_view word : words)
        ++starts_[word.size() + 1];
    for (std::size_t length = 1; length < starts_.size(); ++length)
        starts_[length] += starts_[length - 1];
    lines_.resize(words.size());
    bits_.resize(words.size());
    std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::uint32_t at = next[words[i].size()]++;
        lines_[at] = static_cast<std::uint32_t>(i);
        bits_[at] = CharacterBits(words[i]);
    }
}

std::span<const std::uint32_t> CloseWordIndex::Lines(std::size_t length) const
{
    if (length + 1 >= starts_.size())
        return {};
    return std::span(lines_).subspan(starts_[length], starts_[length + 1] - starts_[length]);
}

std::span<const std::uint64_t> CloseWordIndex::Bits(std::size_t length) const
{
    if (length + 1 >= starts_.size())
        return {};
    return std::span(bits_).subspan(starts_[length], starts_[length + 1] - starts_[length]);
}

std::vector<CloseWord> FindCloseWords(const CloseWordIndex &index,
                                      std::span<const std::string_view> words,
                                      std::string_view typed, int maxDistance)
{
    std::vector<CloseWord> found;
    if (maxDistance < 0)
        return found;
    const OsaPattern pattern(typed);
    const std::uint64_t typedBits = CharacterBits(typed);
    std::vector<std::uint32_t> similar;
    const std::size_t shortest =
        typed.size() > static_cast<std::size_t>(maxDistance) ? typed.size() - maxDistance : 0;
    for (std::size_t length = shortest; length <= typed.size() + maxDistance; ++length) {
        const std::span<const std::uint64_t> bits = index.Bits(length);
        const std::span<const std::uint32_t> lines = index.Lines(length);
        // Each edit changes at most two bits, and one that changes the length at most one.
        const int lengthChange =
            static_cast<int>(length > typed.size() ? length - typed.size() : typed.size() - length);
        similar.clear();
        FindSimilarBits(bits, typedBits, 2 * maxDistance - lengthChange, similar);
        for (std::uint32_t i : similar) {
            const std::uint32_t line = lines[i];
            const int distance = pattern.Distance(words[line], maxDistance);
            if (distance <= maxDistance)
                found.push_back({line, distance});
        }
    }
    return found;
}

} // namespace quillby
