// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/CloseWords.h"

#include "lookup/OsaDistance.h"
#include "lookup/SimilarBits.h"
#include "text/PlainLetter.h"

#include <algorithm>
#include <array>

namespace quillby {

namespace {

// For each byte, the bit it sets once seen: its folded letter's, or one of six shared by the rest.
std::array<std::uint64_t, 256> MakeCharacterBit()
{
    std::array<std::uint64_t, 256> bits{};
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned char folded = PlainFoldedByte(static_cast<char>(byte));
        const int index = folded >= 'A' && folded <= 'Z' ? folded - 'A' : 26 + folded % 6;
        bits[byte] = std::uint64_t{1} << index;
    }
    return bits;
}

} // namespace

std::uint64_t CharacterBits(std::string_view text)
{
    static const std::array<std::uint64_t, 256> characterBit = MakeCharacterBit();
    std::uint64_t bits = 0;
    for (char c : text) {
        const std::uint64_t bit = characterBit[static_cast<unsigned char>(c)];
        // A character seen before sets its bit in the upper half.
        bits |= (bits & bit) != 0 ? bit << 32 : bit;
    }
    return bits;
}

CloseWordIndex::CloseWordIndex(std::span<const std::string_view> words,
                               std::span<const std::string_view> more)
{
    // Every word, the list's and then the others, with its line.
    const auto forEach = [&](auto use) {
        for (std::size_t i = 0; i < words.size(); ++i)
            use(i, words[i]);
        for (std::size_t i = 0; i < more.size(); ++i)
            use(words.size() + i, more[i]);
    };
    std::size_t longest = 0;
    forEach([&](std::size_t, std::string_view word) { longest = std::max(longest, word.size()); });
    starts_.assign(longest + 2, 0);
    forEach([&](std::size_t, std::string_view word) { ++starts_[word.size() + 1]; });
    byteStarts_.assign(starts_.size(), 0);
    for (std::size_t length = 1; length < starts_.size(); ++length) {
        byteStarts_[length] = byteStarts_[length - 1] + std::size_t{starts_[length]} * (length - 1);
        starts_[length] += starts_[length - 1];
    }
    lines_.resize(words.size() + more.size());
    bits_.resize(lines_.size());
    folded_.resize(byteStarts_.back());
    // Each word is put where its length places it, in line order, so that the list's words are
    // read front to back once (read in length order they cost the first search 2.5 ms more).
    std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
    forEach([&](std::size_t line, std::string_view word) {
        const std::size_t length = word.size();
        const std::uint32_t at = next[length]++;
        lines_[at] = static_cast<std::uint32_t>(line);
        bits_[at] = CharacterBits(word);
        char *folded = folded_.data() + byteStarts_[length] + (at - starts_[length]) * length;
        for (char c : word)
            *folded++ = static_cast<char>(PlainFoldedByte(c));
    });
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

std::string_view CloseWordIndex::Folded(std::size_t length) const
{
    if (length + 1 >= starts_.size())
        return {};
    return std::string_view(folded_).substr(byteStarts_[length],
                                            byteStarts_[length + 1] - byteStarts_[length]);
}

std::vector<CloseWord> FindCloseWords(const CloseWordIndex &index, std::string_view typed,
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
        const std::span<const std::uint64_t> bits = index.Bits(length);
        const std::span<const std::uint32_t> lines = index.Lines(length);
        const std::string_view folded = index.Folded(length);
        // Each edit changes at most two bits, and one that changes the length at most one.
        const int lengthChange =
            static_cast<int>(length > typed.size() ? length - typed.size() : typed.size() - length);
        similar.clear();
        FindSimilarBits(bits, typedBits, 2 * maxDistance - lengthChange, similar);
        for (std::uint32_t i : similar) {
            const int distance = pattern.Distance(folded.substr(i * length, length), maxDistance);
            if (distance <= maxDistance)
                found.push_back({lines[i], distance});
        }
    }
    return found;
}

} // namespace quillby
