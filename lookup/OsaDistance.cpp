// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/OsaDistance.h"

#include "text/PlainLetter.h"

#include <algorithm>
#include <vector>

namespace quillby {

OsaPattern::OsaPattern(std::string_view typed)
    : folded_(typed)
{
    for (char &c : folded_)
        c = static_cast<char>(PlainFoldedByte(c));
    if (folded_.size() <= 64) {
        for (std::size_t i = 0; i < folded_.size(); ++i)
            positions_[static_cast<unsigned char>(folded_[i])] |= std::uint64_t{1} << i;
    }
}

int OsaPattern::Distance(std::string_view word, int limit) const
{
    const int m = static_cast<int>(std::min<std::size_t>(folded_.size(), 1 << 30));
    const int n = static_cast<int>(std::min<std::size_t>(word.size(), 1 << 30));
    if (std::abs(m - n) > limit)
        return limit + 1;
    if (m == 0)
        return n;
    if (folded_.size() > 64)
        return LongDistance(word, limit);

    // Hyyrö's bit-vector recurrence for the Damerau distance with one edit per character:
    // the bits hold the vertical differences of one column of the distance table.
    const std::array<unsigned char, 256> &fold = PlainFoldTable();
    const std::uint64_t last = std::uint64_t{1} << (m - 1);
    std::uint64_t vp = ~std::uint64_t{0};
    std::uint64_t vn = 0;
    std::uint64_t d0 = 0;
    std::uint64_t previousMatches = 0;
    int distance = m;
    for (int j = 0; j < n; ++j) {
        const std::uint64_t matches = positions_[fold[static_cast<unsigned char>(word[j])]];
        d0 = (((~d0) & matches) << 1) & previousMatches;
        d0 |= (((matches & vp) + vp) ^ vp) | matches | vn;
        std::uint64_t hp = vn | ~(d0 | vp);
        const std::uint64_t hn = d0 & vp;
        if (hp & last)
            ++distance;
        else if (hn & last)
            --distance;
        // Each word character left can lower the distance by one at most.
        if (distance - (n - 1 - j) > limit)
            return limit + 1;
        hp = (hp << 1) | 1;
        vp = (hn << 1) | ~(d0 | hp);
        vn = d0 & hp;
        previousMatches = matches;
    }
    return distance <= limit ? distance : limit + 1;
}

// The table row by row, for typed texts longer than the bits of a machine word; only words of
// about the same length get here.
int OsaPattern::LongDistance(std::string_view word, int limit) const
{
    const std::array<unsigned char, 256> &fold = PlainFoldTable();
    const std::size_t m = folded_.size();
    const std::size_t n = word.size();
    std::vector<int> before(n + 1), previous(n + 1), current(n + 1);
    for (std::size_t j = 0; j <= n; ++j)
        previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= m; ++i) {
        current[0] = static_cast<int>(i);
        int rowBest = current[0];
        const auto a = static_cast<unsigned char>(folded_[i - 1]);
        for (std::size_t j = 1; j <= n; ++j) {
            const unsigned char b = fold[static_cast<unsigned char>(word[j - 1])];
            int best =
                std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a == b ? 0 : 1)});
            if (i > 1 && j > 1 && a == fold[static_cast<unsigned char>(word[j - 2])] &&
                static_cast<unsigned char>(folded_[i - 2]) == b)
                best = std::min(best, before[j - 2] + 1);
            current[j] = best;
            rowBest = std::min(rowBest, best);
        }
        if (rowBest > limit)
            return limit + 1;
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[n] <= limit ? previous[n] : limit + 1;
}

} // namespace quillby
