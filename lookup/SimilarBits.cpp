// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/SimilarBits.h"

#include <algorithm>
#include <bit>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QUILLBY_WITH_AVX2 1
#endif

namespace quillby {

namespace {

// One place at a time, from `start` on.
void FindSimilarBitsFrom(std::size_t start, std::span<const std::uint64_t> bits,
                         std::uint64_t value, int limit, std::vector<std::uint32_t> &found)
{
    for (std::size_t i = start; i < bits.size(); ++i) {
        if (std::popcount(bits[i] ^ value) <= limit)
            found.push_back(static_cast<std::uint32_t>(i));
    }
}

#ifdef QUILLBY_WITH_AVX2
// Four places at a time: the bits that differ are counted four at a time per byte by a table of
// sixteen, the bytes' counts summed per place, and the four sums compared with the limit at once.
// The places found are gathered a block at a time, so that the loop calls nothing.
__attribute__((target("avx2"))) void FindSimilarBitsAvx2(std::span<const std::uint64_t> bits,
                                                         std::uint64_t value, int limit,
                                                         std::vector<std::uint32_t> &found)
{
    const __m256i bitsInNibble = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0,
                                                  1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
    const __m256i lowNibbles = _mm256_set1_epi8(0x0F);
    const __m256i values = _mm256_set1_epi64x(static_cast<long long>(value));
    const __m256i limits = _mm256_set1_epi64x(limit);
    const __m256i zero = _mm256_setzero_si256();
    constexpr std::size_t kBlock = 256;
    std::uint32_t block[kBlock];
    std::size_t i = 0;
    while (i + 4 <= bits.size()) {
        const std::size_t end = std::min(bits.size() - bits.size() % 4, i + kBlock);
        std::size_t inBlock = 0;
        for (; i < end; i += 4) {
            const __m256i differ = _mm256_xor_si256(
                _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bits.data() + i)), values);
            const __m256i low = _mm256_and_si256(differ, lowNibbles);
            const __m256i high = _mm256_and_si256(_mm256_srli_epi16(differ, 4), lowNibbles);
            const __m256i perByte = _mm256_add_epi8(_mm256_shuffle_epi8(bitsInNibble, low),
                                                    _mm256_shuffle_epi8(bitsInNibble, high));
            const __m256i over = _mm256_cmpgt_epi64(_mm256_sad_epu8(perByte, zero), limits);
            unsigned similar =
                ~static_cast<unsigned>(_mm256_movemask_pd(_mm256_castsi256_pd(over))) & 0xFU;
            while (similar != 0) {
                block[inBlock++] = static_cast<std::uint32_t>(i + __builtin_ctz(similar));
                similar &= similar - 1;
            }
        }
        found.insert(found.end(), block, block + inBlock);
    }
    FindSimilarBitsFrom(i, bits, value, limit, found);
}

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

} // namespace

void FindSimilarBits(std::span<const std::uint64_t> bits, std::uint64_t value, int limit,
                     std::vector<std::uint32_t> &found)
{
    if (limit < 0)
        return;
#ifdef QUILLBY_WITH_AVX2
    if (HasAvx2()) {
        FindSimilarBitsAvx2(bits, value, limit, found);
        return;
    }
#endif
    FindSimilarBitsOneByOne(bits, value, limit, found);
}

void FindSimilarBitsOneByOne(std::span<const std::uint64_t> bits, std::uint64_t value, int limit,
                             std::vector<std::uint32_t> &found)
{
    if (limit >= 0)
        FindSimilarBitsFrom(0, bits, value, limit, found);
}

} // namespace quillby
