// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "text/CaseFolding.h"
#include "text/Codepage1252.h"

#include <gtest/gtest.h>

#include <string>

namespace quillby {
namespace {

TEST(Codepage1252, DecodesTheHighRangeAsTheCodePageDefinesIt)
{
    const struct {
        unsigned char byte;
        char16_t unicode;
    } cases[] = {
        {0x00, 0x0000},
        {0x41, u'A'},
        {0x7F, 0x007F},
        {0x80, 0x20AC}, // euro sign
        {0x85, 0x2026}, // ellipsis
        {0x8A, 0x0160},
        {0x8C, 0x0152},
        {0x91, 0x2018},
        {0x93, 0x201C},
        {0x94, 0x201D},
        {0x96, 0x2013},
        {0x97, 0x2014},
        {0x99, 0x2122},
        {0x9F, 0x0178},
        {0xA0, 0x00A0},
        {0xA1, 0x00A1},
        {0xA3, 0x00A3},
        {0xC3, 0x00C3},
        {0xD6, 0x00D6},
        {0xE9, 0x00E9},
        {0xFC, 0x00FC}, // u with umlaut
        {0xFF, 0x00FF},
        // Undefined bytes stand for the control characters of the same value.
        {0x81, 0x0081},
        {0x8D, 0x008D},
        {0x8F, 0x008F},
        {0x90, 0x0090},
        {0x9D, 0x009D},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Cp1252ToUnicode(c.byte), c.unicode) << "byte " << int(c.byte);
        const std::string bytes(1, static_cast<char>(c.byte));
        EXPECT_EQ(FromCp1252(bytes), QString(QChar(c.unicode)));
    }
}

TEST(Codepage1252, DecodesTextOfMixedBytes)
{
    const char bytes[] = {'N', '\x93', 'u', '\xFC', '\x94', '\r', '\n', 0};
    EXPECT_EQ(FromCp1252(std::string_view(bytes, sizeof bytes)),
              QString::fromUtf16(u"N\u201Cu\u00FC\u201D\r\n") + QChar(0));
    EXPECT_TRUE(FromCp1252({}).isEmpty());
}

TEST(Codepage1252, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
}

TEST(Codepage1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(ToCp1252(QStringLiteral("caf\u00E9")), "caf\xE9");
    EXPECT_EQ(ToCp1252(QStringLiteral("\u20AC5")), "\x80"
                                                   "5");
    EXPECT_EQ(ToCp1252(QStringLiteral("\u65E5\u672C")), "??");
    EXPECT_EQ(ToCp1252(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                         "b")),
              "a?b")
        << "one per character";
    EXPECT_EQ(ToCp1252(QString(QChar(0x0080))), "?") << "U+0080 is not a code page character";
    EXPECT_EQ(ToCp1252(QString(QChar(0xD800))), "?") << "lone surrogate";
    EXPECT_EQ(ToCp1252(QStringLiteral("")), "");
}

TEST(UpperCase1252, AgreesWithUnicodeUpperCaseWhereTheCodePageHasTheCapital)
{
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const QChar lower(Cp1252ToUnicode(static_cast<unsigned char>(b)));
        const QString upper = QString(lower).toUpper();
        const std::string encoded = ToCp1252(upper);
        // Where the capital is missing from the code page, the character stays as it is.
        const bool hasCapital = upper.size() == 1 && encoded != "?";
        const char expected = hasCapital ? encoded[0] : c;
        EXPECT_EQ(static_cast<unsigned char>(UpperCase1252(c)),
                  static_cast<unsigned char>(expected))
            << "byte " << b;
    }
}

TEST(UpperCase1252, NamedLetters)
{
    EXPECT_EQ(UpperCase1252('a'), 'A');
    EXPECT_EQ(UpperCase1252('z'), 'Z');
    EXPECT_EQ(UpperCase1252('A'), 'A');
    EXPECT_EQ(UpperCase1252('\''), '\'');
    EXPECT_EQ(UpperCase1252('\xE9'), '\xC9');
    EXPECT_EQ(UpperCase1252('\xFF'), '\x9F');
    EXPECT_EQ(UpperCase1252('\x9C'), '\x8C');
    EXPECT_EQ(UpperCase1252('\xDF'), '\xDF');
    EXPECT_EQ(UpperCase1252('\xF7'), '\xF7');
    EXPECT_EQ(UpperCase1252('\xB5'), '\xB5');
}

} // namespace
} // namespace quillby
