// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/SoundGroups.h"

namespace quillby {

namespace {

// A code is its first character, any byte, and three digits "0" to "6": 256 * 7 * 7 * 7 groups.
// The empty word's code, 0, has the group after them.
constexpr std::size_t kDigitValues = 7;
constexpr std::size_t kCodeGroups = 256 * kDigitValues * kDigitValues * kDigitValues;
constexpr std::size_t kEmptyGroup = kCodeGroups;

std::size_t GroupOf(SoundexKey code)
{
    std::size_t group = code & 0xFF;
    for (int digit = 1; digit <= 3; ++digit) {
        const unsigned value = ((code >> (8 * digit)) & 0xFF) - '0';
        if (value >= kDigitValues)
            return kEmptyGroup;
        group = group * kDigitValues + value;
    }
    return group;
}

} // namespace

SoundGroups::SoundGroups(std::span<const SoundexKey> codes)
    : lines_(codes.size())
    , starts_(kEmptyGroup + 2, 0)
{
    for (SoundexKey code : codes)
        ++starts_[GroupOf(code) + 1];
    for (std::size_t group = 1; group < starts_.size(); ++group)
        starts_[group] += starts_[group - 1];
    std::vector<std::uint32_t> next(starts_.begin(), starts_.end() - 1);
    for (std::size_t line = 0; line < codes.size(); ++line)
        lines_[next[GroupOf(codes[line])]++] = static_cast<std::uint32_t>(line);
}

std::span<const std::uint32_t> SoundGroups::Lines(SoundexKey code) const
{
    if (starts_.empty())
        return {};
    const std::size_t group = GroupOf(code);
    return std::span(lines_).subspan(starts_[group], starts_[group + 1] - starts_[group]);
}

std::span<const std::uint32_t> SoundGroups::LinesStartingWith(char first) const
{
    if (starts_.empty())
        return {};
    // The groups of one first character follow each other.
    constexpr std::size_t kGroupsPerCharacter = kDigitValues * kDigitValues * kDigitValues;
    const std::size_t group = static_cast<unsigned char>(first) * kGroupsPerCharacter;
    return std::span(lines_).subspan(starts_[group],
                                     starts_[group + kGroupsPerCharacter] - starts_[group]);
}

} // namespace quillby
