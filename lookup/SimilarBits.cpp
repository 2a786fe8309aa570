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
void FindSimilarBitsFrom(std::size_t start, CharacterHalves bits, std::uint64_t value, int limit,
                         std::vector<std::uint32_t> &found)
{
    const auto low = static_cast<std::uint32_t>(value);
    const auto high = static_cast<std::uint32_t>(value >> 32);
    for (std::size_t i = start; i < bits.low.size(); ++i) {
        if (std::popcount(bits.low[i] ^ low) + std::popcount(bits.high[i] ^ high) <= limit)
            found.push_back(static_cast<std::uint32_t>(i));
    }
}

#ifdef QUILLBY_WITH_AVX2
// The bits set in each byte of `v`, four at a time by a table of sixteen.
__attribute__((target("avx2"))) inline __m256i BitsPerByte(__m256i v)
{
    const __m256i bitsInNibble = _mm256_setr_epi8(0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4, 0,
                                                  1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4);
    const __m256i lowNibbles = _mm256_set1_epi8(0x0F);
    return _mm256_add_epi8(
        _mm256_shuffle_epi8(bitsInNibble, _mm256_and_si256(v, lowNibbles)),
        _mm256_shuffle_epi8(bitsInNibble, _mm256_and_si256(_mm256_srli_epi16(v, 4), lowNibbles)));
}

// Eight places at a time: the bits that differ in both halves counted per byte, the counts summed
// per place and the eight sums compared with the limit at once. The places found are gathered a
// block at a time, so that the loop calls nothing.
__attribute__((target("avx2"))) void FindSimilarBitsAvx2(CharacterHalves bits, std::uint64_t value,
                                                         int limit,
                                                         std::vector<std::uint32_t> &found)
{
    const __m256i ones = _mm256_set1_epi8(1);
    const __m256i pairs = _mm256_set1_epi16(1);
    const __m256i lows = _mm256_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(value)));
    const __m256i highs =
        _mm256_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(value >> 32)));
    const __m256i limits = _mm256_set1_epi32(limit);
    const std::uint32_t *low = bits.low.data();
    const std::uint32_t *high = bits.high.data();
    constexpr std::size_t kBlock = 256;
    std::uint32_t block[kBlock];
    std::size_t i = 0;
    while (i + 8 <= bits.low.size()) {
        const std::size_t end = std::min(bits.low.size() - bits.low.size() % 8, i + kBlock);
        std::size_t inBlock = 0;
        for (; i < end; i += 8) {
            const __m256i lowDiffer = _mm256_xor_si256(
                _mm256_loadu_si256(reinterpret_cast<const __m256i *>(low + i)), lows);
            const __m256i highDiffer = _mm256_xor_si256(
                _mm256_loadu_si256(reinterpret_cast<const __m256i *>(high + i)), highs);
            const __m256i perByte =
                _mm256_add_epi8(BitsPerByte(lowDiffer), BitsPerByte(highDiffer));
            const __m256i counts = _mm256_madd_epi16(_mm256_maddubs_epi16(perByte, ones), pairs);
            const __m256i over = _mm256_cmpgt_epi32(counts, limits);
            unsigned similar =
                ~static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(over))) & 0xFFU;
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

void FindSimilarBits(CharacterHalves bits, std::uint64_t value, int limit,
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

void FindSimilarBitsOneByOne(CharacterHalves bits, std::uint64_t value, int limit,
                             std::vector<std::uint32_t> &found)
{
    if (limit >= 0)
        FindSimilarBitsFrom(0, bits, value, limit, found);
}

} // namespace quillby
