// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/Soundex.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillby {
namespace {

struct CodeCase {
    std::string_view word;
    std::string_view code;
};

// Codes worked out by hand from the rules, including where they differ from American Soundex.
const CodeCase kCodes[] = {
    {"Robert", "R163"},
    {"Rupert", "R163"},
    {"Ashcraft", "A261"},
    {"Jackson", "J250"},
    {"Lee", "L000"},
    {"a", "A000"},
    {"Hello world", "H464"},
    {"necessary", "N260"},
    {"nesesary", "N260"},
    {"separate", "S163"},
    {"seperate", "S163"},
    {"definitely", "D153"},
    {"definately", "D153"},
    {"rythm", "R350"},
    {"rhythm", "R350"},
    // The first letter's own code does not count as the one before.
    {"Pfister", "P123"},
    {"Lloyd", "L430"},
    // Vowels do not separate equal codes.
    {"Tymczak", "T520"},
    // The first character passes through, upper-cased but never coded.
    {"'tis", "'320"},
    {"1st", "1230"},
    {"x", "X000"},
    {"Z", "Z000"},
    {"aeiou", "A000"},
    {"why", "W000"},
    {"ab cd", "A123"},
    {"ab-b", "A100"},
    {"ROBERT", "R163"},
    {"robert", "R163"},
    {"bbbbbbb", "B100"},
    // Stops after the third digit: nothing later counts.
    {"dichlorodiphenyltrichloroethane", "D246"},
    {"dichlorzzzzzzzzzzzz", "D246"},
    {"", ""},
};

TEST(Soundex, GivesTheWorkedCodes)
{
    for (const CodeCase &c : kCodes)
        EXPECT_EQ(Soundex(c.word), c.code) << "word \"" << c.word << "\"";
}

TEST(Soundex, UpperCasesAnAccentedFirstLetterByTheCodePage)
{
    // e acute -> E acute; s caron -> S caron; y diaeresis -> Y diaeresis (0x9F).
    EXPECT_EQ(Soundex("\xE9"
                      "clair"),
              "\xC9"
              "246");
    EXPECT_EQ(Soundex("\x9A"
                      "ta"),
              "\x8A"
              "300");
    EXPECT_EQ(Soundex("\xFF"), "\x9F"
                               "000");
    // Accented letters after the first have no code.
    EXPECT_EQ(Soundex("b\xE9\xE7"
                      "d"),
              "B300");
    // Division sign and sharp s stay as they are.
    EXPECT_EQ(Soundex("\xF7"
                      "b"),
              "\xF7"
              "100");
    EXPECT_EQ(Soundex("\xDF"
                      "b"),
              "\xDF"
              "100");
}

TEST(SoundexKeyOf, EqualKeysExactlyForEqualCodes)
{
    const std::vector<std::string_view> words = {"Robert",
                                                 "Rupert",
                                                 "rythm",
                                                 "rhythm",
                                                 "radon",
                                                 "Lee",
                                                 "L",
                                                 "'tis",
                                                 "1st",
                                                 "\xE9"
                                                 "clair",
                                                 "\xC9"
                                                 "clair",
                                                 "a",
                                                 "A",
                                                 "aeiou",
                                                 "Tymczak",
                                                 ""};
    for (std::string_view a : words) {
        for (std::string_view b : words) {
            EXPECT_EQ(SoundexKeyOf(a) == SoundexKeyOf(b), Soundex(a) == Soundex(b))
                << '"' << a << "\" and \"" << b << '"';
        }
    }
    EXPECT_EQ(SoundexKeyOf(""), 0u);
    EXPECT_NE(SoundexKeyOf(std::string_view("\0", 1)), 0u);
}

} // namespace
} // namespace quillby
