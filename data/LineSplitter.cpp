// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/LineSplitter.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillby {

namespace {

// The first CR or LF at or after `p`, or `end` when there is none. Looks at sixteen bytes at a
// time where the processor can, since this scan is most of the work of splitting a list.
const char *FindLineEnd(const char *p, const char *end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const int hits =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
        if (hits != 0)
            return p + __builtin_ctz(static_cast<unsigned>(hits));
        p += 16;
    }
#endif
    while (p < end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

// How many LF bytes the text holds: with CR LF or LF line ends, the number of lines.
std::size_t CountLineFeeds(const char *p, const char *end)
{
    std::size_t count = 0;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        count += static_cast<std::size_t>(__builtin_popcount(
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)))));
        p += 16;
    }
#endif
    for (; p < end; ++p)
        count += *p == '\n';
    return count;
}

} // namespace

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    if (text.empty()) // an empty text may have no address at all
        return lines;
    const char *p = text.data();
    const void *nul = std::memchr(p, '\0', text.size());
    const char *const end = nul ? static_cast<const char *>(nul) : p + text.size();

    lines.reserve(CountLineFeeds(p, end) + 1);
    while (p < end) {
        const char *lineEnd = FindLineEnd(p, end);
        lines.emplace_back(p, static_cast<std::size_t>(lineEnd - p));
        p = lineEnd;
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
    }
    return lines;
}

} // namespace quillby
