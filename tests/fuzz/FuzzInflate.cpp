// Inflate with progress on arbitrary bytes: it either gives text or raises the decompression
// error; it never crashes or hangs, and its progress never falls or passes 100.

#include "Errors.h"
#include "InflateStream.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
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
        if (out.size() > out.capacity() || last != 100)
            std::abort();
    } catch (const quillby::EDecompressionError &) {
        if (size == 0 && reports != 0)
            std::abort();
    }
    if (reports > (size + quillby::InflateBlockSize - 1) / quillby::InflateBlockSize)
        std::abort();
    return 0;
}
