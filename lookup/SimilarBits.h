// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quillby {

// Sixty-four bits of many places kept as two halves, each half of every place after the other,
// so that the first half of eight places is read at once.
struct CharacterHalves {
    std::span<const std::uint32_t> low;
    std::span<const std::uint32_t> high;
};

// Adds to `found`, in order, the places whose bits differ from `value` in at most `limit` places.
// The test of a whole length of words' character bits, most of the time that close words take,
// so it tests eight places at a time with the machine's vector instructions where it has them.
void FindSimilarBits(CharacterHalves bits, std::uint64_t value, int limit,
                     std::vector<std::uint32_t> &found);

// The same one place at a time, as on a machine without those instructions.
void FindSimilarBitsOneByOne(CharacterHalves bits, std::uint64_t value, int limit,
                             std::vector<std::uint32_t> &found);

} // namespace quillby
