// SPDX-License-Identifier: GPL-2.0-or-later
#include "CloseWords.h"

#include "OsaDistance.h"

#include <algorithm>
#include <bit>

namespace quillby {

std::uint32_t CharacterBits(std::string_view text)
{
    std::uint32_t bits = 0;
    for (char c : text) {
        const unsigned char folded = FoldedByte(c);
        bits |=
            std::uint32_t{1} << (folded >= 'A' && folded <= 'Z' ? folded - 'A' : 26 + folded % 6);
    }
    return bits;
}

WordShapes::WordShapes(const TextLines &list, LineKind kind)
{
    std::vector<std::uint32_t> lengths(list.size());
    std::size_t longest = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        lengths[i] = static_cast<std::uint32_t>(WordOfLine(list[i], kind).size());
        longest = std::max<std::size_t>(longest, lengths[i]);
    }
    starts_.assign(longest + 2, 0);
    for (std::uint32_t length : lengths)
        ++starts_[length + 1];
    for (std::size_t length = 1; length < starts_.size(); ++length)
        starts_[length] += starts_[length - 1];
    entries_.resize(list.size());
    std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::uint32_t at = next[lengths[i]]++;
        entries_[at] = {static_cast<std::uint32_t>(i), CharacterBits(WordOfLine(list[i], kind))};
    }
}

const WordShapes::Entry *WordShapes::begin(std::size_t length) const
{
    return length + 1 < starts_.size() ? entries_.data() + starts_[length] : nullptr;
}

const WordShapes::Entry *WordShapes::end(std::size_t length) const
{
    return length + 1 < starts_.size() ? entries_.data() + starts_[length + 1] : nullptr;
}

std::vector<CloseWord> FindCloseWords(const TextLines &list, LineKind kind,
                                      const WordShapes &shapes, std::string_view typed,
                                      int maxDistance)
{
    std::vector<CloseWord> found;
    if (maxDistance < 0)
        return found;
    const OsaPattern pattern(typed);
    const std::uint32_t typedBits = CharacterBits(typed);
    const std::size_t shortest =
        typed.size() > static_cast<std::size_t>(maxDistance) ? typed.size() - maxDistance : 0;
    for (std::size_t length = shortest; length <= typed.size() + maxDistance; ++length) {
        const WordShapes::Entry *last = shapes.end(length);
        for (const WordShapes::Entry *entry = shapes.begin(length); entry != last; ++entry) {
            if (std::popcount(entry->characters ^ typedBits) > 2 * maxDistance)
                continue;
            const int distance = pattern.Distance(WordOfLine(list[entry->line], kind), maxDistance);
            if (distance <= maxDistance)
                found.push_back({entry->line, distance});
        }
    }
    return found;
}

} // namespace quillby
