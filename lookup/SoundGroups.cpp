// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/SoundGroups.h"

#include "lookup/BucketOrder.h"

#include <optional>

namespace quillby {

namespace {

// A code is its first character, any byte, and three digits "0" to "6": 7 * 7 * 7 groups for
// each first character.
constexpr std::size_t kDigitValues = 7;
constexpr std::size_t kGroupsPerCharacter = kDigitValues * kDigitValues * kDigitValues;

// The digits of a code as one number below kGroupsPerCharacter; none for the empty word's code,
// 0, the one code whose digits are no digits.
std::optional<std::size_t> DigitsOf(SoundexKey code)
{
    std::size_t digits = 0;
    for (int digit = 1; digit <= 3; ++digit) {
        const unsigned value = ((code >> (8 * digit)) & 0xFF) - '0';
        if (value >= kDigitValues)
            return std::nullopt;
        digits = digits * kDigitValues + value;
    }
    return digits;
}

} // namespace

SoundGroups::SoundGroups(std::span<const SoundexKey> codes)
{
    blockOf_.fill(kNoBlock);
    std::array<bool, 256> present{};
    for (SoundexKey code : codes) {
        if (DigitsOf(code))
            present[code & 0xFF] = true;
    }
    std::uint16_t blocks = 0;
    for (std::size_t first = 0; first < present.size(); ++first) {
        if (present[first])
            blockOf_[first] = blocks++;
    }
    emptyGroup_ = blocks * kGroupsPerCharacter;

    BucketOrder byGroup = OrderByBucket(codes.size(), emptyGroup_ + 1,
                                        [&](std::size_t line) { return GroupOf(codes[line]); });
    lines_ = std::move(byGroup.order);
    starts_ = std::move(byGroup.starts);
}

std::size_t SoundGroups::GroupOf(SoundexKey code) const
{
    const std::optional<std::size_t> digits = DigitsOf(code);
    if (!digits)
        return emptyGroup_;
    return blockOf_[code & 0xFF] * kGroupsPerCharacter + *digits;
}

std::span<const std::uint32_t> SoundGroups::Between(std::size_t first, std::size_t end) const
{
    return std::span(lines_).subspan(starts_[first], starts_[end] - starts_[first]);
}

std::span<const std::uint32_t> SoundGroups::Lines(SoundexKey code) const
{
    if (starts_.empty())
        return {};
    // A first character that no line's code has: no group.
    if (DigitsOf(code) && blockOf_[code & 0xFF] == kNoBlock)
        return {};
    const std::size_t group = GroupOf(code);
    return Between(group, group + 1);
}

std::span<const std::uint32_t> SoundGroups::LinesStartingWith(char first) const
{
    const std::uint16_t block = blockOf_[static_cast<unsigned char>(first)];
    if (starts_.empty() || block == kNoBlock)
        return {};
    // The groups of one first character follow each other.
    return Between(block * kGroupsPerCharacter, (block + 1) * kGroupsPerCharacter);
}

} // namespace quillby
