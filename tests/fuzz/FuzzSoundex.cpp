// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Sound codes of arbitrary bytes: four characters for any non-empty word, the first character
// upper-cased, then digits 1 to 6 padded with 0; only the letters after the first character
// count, whatever their case; the packed key agrees with the code.

#include "lookup/Soundex.h"
#include "text/AsciiCase.h"
#include "text/Codepage1252.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view word(reinterpret_cast<const char *>(data), size);
    const std::string code = quillby::Soundex(word);
    const quillby::SoundexKey key = quillby::SoundexKeyOf(word);
    if (word.empty()) {
        Check(code.empty());
        Check(key == 0);
        return 0;
    }
    Check(code.size() == 4);
    Check(key != 0);

    // The first character, upper-cased but never coded: its Unicode capital when the code
    // page has that capital, else the character itself.
    const char first = word.front();
    const QChar capital =
        QChar(quillby::Cp1252ToUnicode(static_cast<unsigned char>(first))).toUpper();
    const std::string capitalByte = quillby::ToCp1252(QString(capital));
    Check(code[0] == (capitalByte == "?" && first != '?' ? first : capitalByte[0]));

    // Digits after it: 1 to 6, no two neighbours equal, then only padding.
    bool padding = false;
    for (int i = 1; i < 4; ++i) {
        Check(code[i] >= '0' && code[i] <= '6');
        if (code[i] == '0')
            padding = true;
        else
            Check(!padding && (i == 1 || code[i] != code[i - 1]));
    }

    // Only the letters after the first character count, and not their case.
    std::string letters(1, first);
    std::string upper(1, first);
    for (char c : word.substr(1)) {
        if (IsAsciiLetter(c))
            letters += c;
        upper += quillby::AsciiUpper(c);
    }
    Check(quillby::Soundex(letters) == code);
    Check(quillby::Soundex(upper) == code);

    // Equal codes give equal keys, different codes different keys.
    Check(quillby::SoundexKeyOf(letters) == key);
    const std::string reversed(word.rbegin(), word.rend());
    Check((quillby::Soundex(reversed) == code) == (quillby::SoundexKeyOf(reversed) == key));
    return 0;
}
