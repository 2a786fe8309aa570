// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// Builds raw Deflate streams of an exact compressed size out of stored blocks, so that the
// progress figures of lists of any size can be checked without the real data.

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace quillby::testing {

// A stream of exactly `size` bytes (at least 5) whose content is `size` minus the block headers
// bytes of the letter 'x'.
inline std::vector<unsigned char> StoredStreamOfSize(std::size_t size)
{
    constexpr std::size_t kHeader = 5;
    constexpr std::size_t kMaxData = 65535;
    const std::size_t blocks = (size + kHeader + kMaxData - 1) / (kHeader + kMaxData);
    std::size_t data = size - blocks * kHeader;
    std::vector<unsigned char> out;
    out.reserve(size);
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t remaining = blocks - b;
        const std::size_t take = remaining == 1 ? data : std::min(kMaxData, data);
        out.push_back(remaining == 1 ? 0x01 : 0x00); // BFINAL on the last, BTYPE 00 (stored)
        out.push_back(static_cast<unsigned char>(take & 0xFF));
        out.push_back(static_cast<unsigned char>(take >> 8));
        out.push_back(static_cast<unsigned char>(~take & 0xFF));
        out.push_back(static_cast<unsigned char>((~take >> 8) & 0xFF));
        out.insert(out.end(), take, 'x');
        data -= take;
    }
    return out;
}

// A stored stream holding `text` whole.
inline std::vector<unsigned char> StoredStreamOf(const std::string &text)
{
    std::vector<unsigned char> out;
    std::size_t pos = 0;
    do {
        const std::size_t take = std::min<std::size_t>(65535, text.size() - pos);
        const bool last = pos + take == text.size();
        out.push_back(last ? 0x01 : 0x00);
        out.push_back(static_cast<unsigned char>(take & 0xFF));
        out.push_back(static_cast<unsigned char>(take >> 8));
        out.push_back(static_cast<unsigned char>(~take & 0xFF));
        out.push_back(static_cast<unsigned char>((~take >> 8) & 0xFF));
        out.insert(out.end(), text.begin() + static_cast<std::ptrdiff_t>(pos),
                   text.begin() + static_cast<std::ptrdiff_t>(pos + take));
        pos += take;
    } while (pos < text.size());
    return out;
}

} // namespace quillby::testing
