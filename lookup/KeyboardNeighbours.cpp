// SPDX-License-Identifier: GPL-2.0-or-later
#include "KeyboardNeighbours.h"

#include <array>
#include <cmath>
#include <string_view>

namespace quillby {

namespace {

struct KeyPosition {
    int row = -1;
    double x = 0;
};

// The three letter rows, each shifted right of the one above as the keys stand.
std::array<KeyPosition, 26> KeyPositions()
{
    constexpr std::string_view rows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    constexpr double shifts[] = {0.0, 0.25, 0.75};
    std::array<KeyPosition, 26> keys{};
    for (int row = 0; row < 3; ++row) {
        for (std::size_t i = 0; i < rows[row].size(); ++i)
            keys[rows[row][i] - 'A'] = {row, shifts[row] + static_cast<double>(i)};
    }
    return keys;
}

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
    static const std::array<KeyPosition, 26> keys = KeyPositions();
    const int i = LetterIndex(a);
    const int j = LetterIndex(b);
    if (i < 0 || j < 0 || i == j)
        return false;
    const double dx = std::abs(keys[i].x - keys[j].x);
    switch (std::abs(keys[i].row - keys[j].row)) {
    case 0:
        return dx == 1.0;
    case 1:
        return dx < 1.0;
    default:
        return false;
    }
}

} // namespace quillby
