// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Letters without their diacritics, and the folding the edit distances compare by.

#include "text/PlainLetter.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

TEST(PlainLetter, TakesTheDiacriticOffEveryLetterThatHasOne)
{
    const std::pair<char, char> letters[] = {
        {'\xE9', 'e'}, {'\xC9', 'E'}, {'\xEF', 'i'}, {'\xF1', 'n'}, {'\xD1', 'N'}, {'\xE7', 'c'},
        {'\xF8', 'o'}, {'\xC5', 'A'}, {'\xFC', 'u'}, {'\xFD', 'y'}, {'\xFF', 'y'}, {'\x9F', 'Y'},
        {'\x8A', 'S'}, {'\x9E', 'z'}, {'e', 'e'},    {'\'', '\''},
    };
    for (const auto &[letter, plain] : letters)
        EXPECT_EQ(PlainLetter(letter), plain) << int(static_cast<unsigned char>(letter));
    // Letters for two, and signs, have no one plain letter.
    for (char other : {'\xE6', '\xC6', '\x9C', '\xDF', '\xF0', '\xFE', '\xD7', '\xF7'})
        EXPECT_EQ(PlainLetter(other), other) << int(static_cast<unsigned char>(other));
}

TEST(PlainFoldedByte, IgnoresCaseAndDiacriticsTogether)
{
    for (char c : {'e', 'E', '\xE9', '\xC9', '\xE8', '\xEB'})
        EXPECT_EQ(PlainFoldedByte(c), 'E') << int(static_cast<unsigned char>(c));
    EXPECT_EQ(PlainFoldedByte('\xFF'), 'Y') << "via its capital, 0x9F";
    EXPECT_EQ(PlainFoldedByte('\xE6'), 0xC6) << "a letter for two keeps its case folding";
    EXPECT_EQ(PlainFoldedByte('-'), '-');
}

} // namespace
} // namespace quillby
