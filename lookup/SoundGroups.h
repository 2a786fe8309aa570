// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "lookup/Soundex.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quillby {

// The lines of one list grouped by the sound code of their word, so that the lines with the code
// of a typed text, or with codes of one first character, are found without comparing every
// line's code. Made from the lines' codes in line order.
class SoundGroups {
public:
    SoundGroups() = default;
    explicit SoundGroups(std::span<const SoundexKey> codes);

    // The lines whose code is `code`, in line order.
    std::span<const std::uint32_t> Lines(SoundexKey code) const;
    // The lines of every code that starts with `first`, the upper case (UpperCase1252) of their
    // word's first byte: grouped by code, each group in line order.
    std::span<const std::uint32_t> LinesStartingWith(char first) const;

private:
    // The group of a code: the block of its first character, then its digits; the empty word's
    // after all blocks.
    std::size_t GroupOf(SoundexKey code) const;
    std::span<const std::uint32_t> Between(std::size_t first, std::size_t end) const;

    std::vector<std::uint32_t> lines_;
    // Only the first characters that some code has get a block of groups; the others none.
    static constexpr std::uint16_t kNoBlock = 0xFFFF;
    std::array<std::uint16_t, 256> blockOf_{};
    std::size_t emptyGroup_ = 0;
    // Where the lines of each group start; one more than the groups.
    std::vector<std::uint32_t> starts_;
};

} // namespace quillby
