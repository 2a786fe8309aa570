// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quillby {

// Adds to `found`, in order, the places whose bits differ from `value` in at most `limit` places.
// The test of a whole length of words' character bits, most of the time that close words take,
// so it tests four places at a time with the machine's vector instructions where it has them.
void FindSimilarBits(std::span<const std::uint64_t> bits, std::uint64_t value, int limit,
                     std::vector<std::uint32_t> &found);

// The same one place at a time, as on a machine without those instructions.
void FindSimilarBitsOneByOne(std::span<const std::uint64_t> bits, std::uint64_t value, int limit,
                             std::vector<std::uint32_t> &found);

} // namespace quillby
