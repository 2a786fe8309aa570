// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Inflate with progress on arbitrary bytes: it either gives text or raises the decompression
// error; it never crashes or hangs, and its progress never falls or passes 100. It reads no
// further than the end of the stream: bytes after it are never read, and progress then ends
// below 100 with fewer reports than blocks; once every block has been read it ends at 100.

#include "data/Errors.h"
#include "data/InflateStream.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::size_t blocks = (size + quillby::InflateBlockSize - 1) / quillby::InflateBlockSize;
    int last = -1;
    std::size_t reports = 0;
    try {
        const quillby::TextBuffer out =
            quillby::InflateWithProgress({data, size}, [&](int percent) {
                if (percent < last || percent < 0 || percent > 100)
                    std::abort();
                last = percent;
                ++reports;
            });
        if (out.size() > out.capacity() || reports == 0 || (reports == blocks && last != 100))
            std::abort();
    } catch (const quillby::EDecompressionError &) {
        if (size == 0 && reports != 0)
            std::abort();
    }
    if (reports > blocks)
        std::abort();
    return 0;
}
