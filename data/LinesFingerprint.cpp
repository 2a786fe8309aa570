// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/LinesFingerprint.h"

#include <bit>
#include <cstring>

namespace quillby {

namespace {

// Eight bytes as a little-endian number, whatever the machine's order.
std::uint64_t EightBytes(const char *bytes)
{
    std::uint64_t value;
    std::memcpy(&value, bytes, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        value = __builtin_bswap64(value);
    return value;
}

} // namespace

void LinesFingerprint::Add(std::string_view line)
{
    const auto mix = [this](std::uint64_t value) {
        // Multiplied by an odd constant (2^64 over the golden ratio) and folded, so that every
        // bit reaches every other within a few steps.
        hash_ = (hash_ ^ value) * 0x9E3779B97F4A7C15ULL;
        hash_ ^= hash_ >> 32;
    };
    std::size_t i = 0;
    for (; i + 8 <= line.size(); i += 8)
        mix(EightBytes(line.data() + i));
    // The last bytes, fewer than eight, and in the top byte the line's length.
    std::uint64_t last = std::uint64_t{line.size() & 0xFF} << 56;
    for (std::size_t k = 0; i + k < line.size(); ++k)
        last |= std::uint64_t{static_cast<unsigned char>(line[i + k])} << (8 * k);
    mix(last);
}

} // namespace quillby
