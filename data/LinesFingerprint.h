// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillby {

// A fingerprint of a list's lines: a 64-bit hash of their bytes, eight at a time, and of their
// lengths, in line order (a line of 256 bytes or more by its length's lowest byte). What the build
// works out of one list carries the list's fingerprint, so that the program tells for certain
// whether a list it is handed is that one.
class LinesFingerprint {
public:
    void Add(std::string_view line);
    std::uint64_t Value() const { return hash_; }

    // The fingerprint's bytes as stored, little-endian.
    static constexpr std::size_t kBytes = 8;

private:
    // Any start but 0, which an empty line would leave as it is.
    std::uint64_t hash_ = 0x243F6A8885A308D3ULL;
};

} // namespace quillby
