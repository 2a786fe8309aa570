// SPDX-License-Identifier: GPL-2.0-or-later
#include "CloseWords.h"

#include "OsaDistance.h"

#include <algorithm>

namespace quillby {

namespace {

// The number of bits set, without a call or a branch.
std::uint64_t BitCount(std::uint64_t bits)
{
    bits = bits - ((bits >> 1) & 0x5555555555555555u);
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    bits += bits >> 8;
    bits += bits >> 16;
    bits += bits >> 32;
    return bits & 0x7f;
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
    lines_.resize(list.size());
    bits_.resize(list.size());
    std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::uint32_t at = next[lengths[i]]++;
        lines_[at] = static_cast<std::uint32_t>(i);
        bits_[at] = CharacterBits(WordOfLine(list[i], kind));
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

std::vector<CloseWord> FindCloseWords(const TextLines &list, LineKind kind,
                                      const WordShapes &shapes, std::string_view typed,
                                      int maxDistance)
{
    std::vector<CloseWord> found;
    if (maxDistance < 0)
        return found;
    const OsaPattern pattern(typed);
    const std::uint64_t typedBits = CharacterBits(typed);
    const auto changedBits = static_cast<std::uint64_t>(2 * maxDistance);
    const std::size_t shortest =
        typed.size() > static_cast<std::size_t>(maxDistance) ? typed.size() - maxDistance : 0;
    for (std::size_t length = shortest; length <= typed.size() + maxDistance; ++length) {
        const std::span<const std::uint64_t> bits = shapes.Bits(length);
        const std::span<const std::uint32_t> lines = shapes.Lines(length);
        for (std::size_t i = 0; i < bits.size(); ++i) {
            if (BitCount(bits[i] ^ typedBits) > changedBits)
                continue;
            const int distance = pattern.Distance(WordOfLine(list[lines[i]], kind), maxDistance);
            if (distance <= maxDistance)
                found.push_back({lines[i], distance});
        }
    }
    return found;
}

} // namespace quillby
