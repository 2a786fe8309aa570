// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/Soundex.h"

#include "text/CaseFolding.h"

#include <array>

namespace quillby {

namespace {

// The digit of each byte; 0 for a byte without a code.
constexpr std::array<char, 256> MakeCodeTable()
{
    std::array<char, 256> table{};
    const auto set = [&table](std::string_view letters, char code) {
        for (char letter : letters) {
            table[static_cast<unsigned char>(letter)] = code;
            table[static_cast<unsigned char>(letter - 'A' + 'a')] = code;
        }
    };
    set("BFPV", '1');
    set("CGJKQSXZ", '2');
    set("DT", '3');
    set("L", '4');
    set("MN", '5');
    set("R", '6');
    return table;
}

constexpr std::array<char, 256> kCodes = MakeCodeTable();

// Writes the code of a non-empty word into `code`.
void SoundexInto(std::string_view word, char (&code)[4])
{
    code[0] = UpperCase1252(word.front());
    code[1] = code[2] = code[3] = '0';
    char previous = 0;
    int next = 1;
    for (std::size_t i = 1; i < word.size(); ++i) {
        const char digit = kCodes[static_cast<unsigned char>(word[i])];
        if (digit == 0 || digit == previous)
            continue;
        code[next] = digit;
        previous = digit;
        if (++next == 4)
            break;
    }
}

} // namespace

std::string Soundex(std::string_view word)
{
    if (word.empty())
        return {};
    char code[4];
    SoundexInto(word, code);
    return std::string(code, 4);
}

SoundexKey SoundexKeyOf(std::string_view word)
{
    if (word.empty())
        return 0;
    char code[4];
    SoundexInto(word, code);
    // The three digits are never 0 bytes, so no word packs to 0.
    return static_cast<SoundexKey>(static_cast<unsigned char>(code[0])) |
           static_cast<SoundexKey>(static_cast<unsigned char>(code[1])) << 8 |
           static_cast<SoundexKey>(static_cast<unsigned char>(code[2])) << 16 |
           static_cast<SoundexKey>(static_cast<unsigned char>(code[3])) << 24;
}

} // namespace quillby
