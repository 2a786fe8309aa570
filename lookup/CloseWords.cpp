// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/CloseWords.h"

#include "lookup/OsaDistance.h"
#include "text/CaseFolding.h"

#include <algorithm>
#include <bit>

namespace quillby {

namespace {

// The machine's own bit count where it has one: checking the character bits of a whole length
// of words is most of the time close words take.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define QUILLBY_WITH_BIT_COUNT __attribute__((target_clones("popcnt", "default")))
#else
#define QUILLBY_WITH_BIT_COUNT
#endif

// Adds to `found` the places in `bits` whose bits differ from `typedBits` in at most `limit`
// places.
QUILLBY_WITH_BIT_COUNT
void FindSimilarBits(std::span<const std::uint64_t> bits, std::uint64_t typedBits, int limit,
                     std::vector<std::uint32_t> &found)
{
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (std::popcount(bits[i] ^ typedBits) <= limit)
            found.push_back(static_cast<std::uint32_t>(i));
    }
}

} // namespace

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

WordShapes::WordShapes(std::span<const std::string_view> words)
{
    std::vector<std::uint32_t> lengths(words.size());
    std::size_t longest = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        lengths[i] = static_cast<std::uint32_t>(words[i].size());
        longest = std::max<std::size_t>(longest, lengths[i]);
    }
    starts_.assign(longest + 2, 0);
    for (std::uint32_t length : lengths)
        ++starts_[length + 1];
    for (std::size_t length = 1; length < starts_.size(); ++length)
        starts_[length] += starts_[length - 1];
    lines_.resize(words.size());
    bits_.resize(words.size());
    std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::uint32_t at = next[lengths[i]]++;
        lines_[at] = static_cast<std::uint32_t>(i);
        bits_[at] = CharacterBits(words[i]);
    }
}

std::span<const std::uint32_t> WordShapes::Lines(std::size_t length) const
{
    if (length + 1 >= starts_.size())
        return {};
    return std::span(lines_).subspan(starts_[length], starts_[length + 1] - starts_[length]);
}

std::span<const std::uint64_t> WordShapes::Bits(std::size_t length) const
{
    if (length + 1 >= starts_.size())
        return {};
    return std::span(bits_).subspan(starts_[length], starts_[length + 1] - starts_[length]);
}

std::vector<CloseWord> FindCloseWords(std::span<const std::string_view> words,
                                      const WordShapes &shapes, std::string_view typed,
                                      int maxDistance)
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
        const std::span<const std::uint64_t> bits = shapes.Bits(length);
        const std::span<const std::uint32_t> lines = shapes.Lines(length);
        // Each edit changes at most two bits, and one that changes the length at most one.
        const int lengthChange =
            static_cast<int>(length > typed.size() ? length - typed.size() : typed.size() - length);
        similar.clear();
        FindSimilarBits(bits, typedBits, 2 * maxDistance - lengthChange, similar);
        for (std::uint32_t i : similar) {
            const int distance = pattern.Distance(words[lines[i]], maxDistance);
            if (distance <= maxDistance)
                found.push_back({lines[i], distance});
        }
    }
    return found;
}

} // namespace quillby
