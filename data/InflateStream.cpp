// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/InflateStream.h"

#include "data/Errors.h"

#include <zlib.h>

#include <cfenv>
#include <cmath>
#include <new>

namespace quillby {

namespace {

// Owns the zlib state for one stream; ends it on every path.
class RawInflater {
public:
    RawInflater()
    {
        if (inflateInit2(&stream_, -MAX_WBITS) != Z_OK)
            throw EOutOfMemory("Out of memory while preparing the decompressor");
    }
    ~RawInflater() { inflateEnd(&stream_); }
    RawInflater(const RawInflater &) = delete;
    RawInflater &operator=(const RawInflater &) = delete;

    z_stream &stream() { return stream_; }

private:
    z_stream stream_{};
};

[[noreturn]] void ThrowCorrupt(const char *cause)
{
    throw EDecompressionError(std::string("The compressed stream may be corrupt: ") +
                              (cause && *cause ? cause : "invalid data"));
}

void Grow(TextBuffer &out, std::size_t inputSize)
{
    try {
        // Text compresses to about a quarter; past that the room doubles.
        const std::size_t wanted =
            out.capacity() == 0 ? std::max<std::size_t>(inputSize * 4, 65536) : out.capacity() * 2;
        out.Reserve(wanted);
    } catch (const std::bad_alloc &) {
        throw EOutOfMemory("Out of memory while expanding memory stream");
    } catch (const std::length_error &) {
        throw EOutOfMemory("Out of memory while expanding memory stream");
    }
}

} // namespace

int ProgressPercent(std::uint64_t bytesRead, std::uint64_t totalBytes)
{
    if (totalBytes == 0)
        return 100;
    const double exact = static_cast<double>(bytesRead) * 100.0 / static_cast<double>(totalBytes);
    // std::nearbyint follows the current rounding mode: to nearest, ties to even.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(exact);
    std::fesetround(saved);
    return static_cast<int>(rounded);
}

TextBuffer InflateWithProgress(ResourceBytes compressed, const ProgressCallback &progress)
{
    RawInflater inflater;
    z_stream &zs = inflater.stream();
    TextBuffer out;
    std::size_t produced = 0;
    std::size_t consumed = 0; // compressed bytes handed to the inflater so far
    const std::size_t total = compressed.size();

    bool finished = false;
    while (!finished && consumed < total) {
        const std::size_t block = std::min(InflateBlockSize, total - consumed);
        zs.next_in = const_cast<Bytef *>(compressed.data() + consumed);
        zs.avail_in = static_cast<uInt>(block);
        consumed += block;
        if (progress)
            progress(ProgressPercent(consumed, total));

        while (zs.avail_in > 0 || !finished) {
            if (produced == out.capacity())
                Grow(out, total);
            zs.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
            zs.avail_out =
                static_cast<uInt>(std::min<std::size_t>(out.capacity() - produced, 1u << 30));
            const uInt before = zs.avail_out;
            const int rc = inflate(&zs, Z_NO_FLUSH);
            produced += before - zs.avail_out;
            out.SetSize(produced);
            if (rc == Z_STREAM_END) {
                finished = true;
                break;
            }
            if (rc == Z_MEM_ERROR)
                throw EOutOfMemory("Out of memory while expanding memory stream");
            if (rc == Z_DATA_ERROR || rc == Z_NEED_DICT || rc == Z_STREAM_ERROR)
                ThrowCorrupt(zs.msg);
            // Z_BUF_ERROR or Z_OK: either more output room or more input is needed.
            if (zs.avail_in == 0 && zs.avail_out > 0)
                break;
        }
    }
    if (!finished)
        ThrowCorrupt("unexpected end of data");
    return out;
}

} // namespace quillby
