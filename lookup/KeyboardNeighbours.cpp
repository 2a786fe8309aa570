// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/KeyboardNeighbours.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quillby {

namespace {

// For each letter, the letters on the keys touching its key, as bits (bit 0 is A).
using Neighbours = std::array<std::uint32_t, 26>;

// The three letter rows, each shifted right of the one above by a quarter and a half key as
// the keys stand; positions are in quarter keys. Keys touch when they are side by side in one
// row, or in neighbouring rows less than a key apart.
constexpr Neighbours MakeNeighbours()
{
    constexpr std::string_view rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    constexpr int shifts[] = {0, 1, 3};
    Neighbours neighbours{};
    for (int r1 = 0; r1 < 3; ++r1) {
        for (int r2 = 0; r2 < 3; ++r2) {
            for (std::size_t i = 0; i < rows[r1].size(); ++i) {
                for (std::size_t j = 0; j < rows[r2].size(); ++j) {
                    const int x1 = shifts[r1] + 4 * static_cast<int>(i);
                    const int x2 = shifts[r2] + 4 * static_cast<int>(j);
                    const int dx = x1 > x2 ? x1 - x2 : x2 - x1;
                    const int dr = r1 > r2 ? r1 - r2 : r2 - r1;
                    if ((dr == 0 && dx == 4) || (dr == 1 && dx < 4))
                        neighbours[rows[r1][i] - 'A'] |= std::uint32_t{1} << (rows[r2][j] - 'A');
                }
            }
        }
    }
    return neighbours;
}

constexpr Neighbours kNeighbours = MakeNeighbours();

int LetterIndex(char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    return -1;
}

} // namespace

bool NeighbouringKeys(char a, char b)
{
    const int i = LetterIndex(a);
    const int j = LetterIndex(b);
    return i >= 0 && j >= 0 && (kNeighbours[i] >> j & 1) != 0;
}

} // namespace quillby
