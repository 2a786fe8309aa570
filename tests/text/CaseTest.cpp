// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// ASCII case for prefixes and names, the code page's case for comparing whole texts, and the
// case a word is right in.

#include "text/AsciiCase.h"
#include "text/CaseFolding.h"
#include "text/WordCase.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

TEST(StartsWithAsciiUpper, FoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(StartsWithAsciiUpper("catalog", "CAT"));
    EXPECT_TRUE(StartsWithAsciiUpper("Cat", "CAT"));
    EXPECT_FALSE(StartsWithAsciiUpper("ca", "CAT"));
    EXPECT_FALSE(StartsWithAsciiUpper("scat", "CAT"));
    EXPECT_FALSE(StartsWithAsciiUpper("cat", "")) << "an empty prefix begins nothing";
    EXPECT_TRUE(StartsWithAsciiUpper("\xE9"
                                     "clair",
                                     "\xE9"
                                     "C"));
    EXPECT_FALSE(StartsWithAsciiUpper("\xE9"
                                      "clair",
                                      "\xC9"
                                      "C"))
        << "accents are not folded";
    EXPECT_EQ(AsciiUpper("ab\xE9z'1"), "AB\xE9Z'1");
}

TEST(SameTextIgnoringCase, FoldsTheCodePage)
{
    EXPECT_TRUE(SameTextIgnoringCase("Rhythm", "rhythm"));
    EXPECT_TRUE(SameTextIgnoringCase("CAF\xC9", "caf\xE9"));
    EXPECT_FALSE(SameTextIgnoringCase("rhythm", "rhythms"));
    EXPECT_FALSE(SameTextIgnoringCase("a", "b"));
    EXPECT_TRUE(SameTextIgnoringCase("", ""));
}

TEST(AsciiLower, FoldsOnlyAsciiLetters)
{
    EXPECT_EQ(AsciiLower("AB\xC9Z'1"), "ab\xC9z'1");
    EXPECT_EQ(AsciiLower('Q'), 'q');
    EXPECT_EQ(AsciiLower('['), '[') << "the byte after Z";
    EXPECT_EQ(AsciiUpper('`'), '`') << "the byte before a";
}

TEST(WordCase, TellsHowAWordIsWrittenAndWritesOthersSo)
{
    const struct {
        const char *word;
        WordCase wordCase;
        const char *house; // "house" written in that case
    } cases[] = {
        {"receive", WordCase::Lower, "house"},
        {"1st", WordCase::Lower, "house"},
        {"Receive", WordCase::FirstCapital, "House"},
        {"'Tis", WordCase::FirstCapital, "House"},
        {"R", WordCase::FirstCapital, "House"},
        {"\xC9t\xE9", WordCase::FirstCapital, "House"},
        {"RECEIVE", WordCase::AllCapitals, "HOUSE"},
        {"\xC9T\xC9", WordCase::AllCapitals, "HOUSE"},
        {"iPhone", WordCase::OwnCapitals, "house"},
        {"McDonald", WordCase::OwnCapitals, "house"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CaseOf(c.word), c.wordCase) << c.word;
        std::string written = "<";
        AppendInCase(written, "house", c.wordCase);
        EXPECT_EQ(written, std::string("<") + c.house) << c.word;
    }
    std::string written;
    AppendInCase(written, "\xE9t\xE9 'tis", WordCase::AllCapitals);
    AppendInCase(written, "'tis", WordCase::FirstCapital);
    AppendInCase(written, "iPhone", WordCase::FirstCapital);
    EXPECT_EQ(written, "\xC9T\xC9 'TIS'TisiPhone") << "own capitals kept";
}

TEST(WordCase, AWordListedInLowerCaseIsRightInThreeWaysOneWithCapitalsInTwo)
{
    const struct {
        const char *written, *listed;
        bool right;
    } cases[] = {
        {"house", "house", true},    {"House", "house", true},         {"HOUSE", "house", true},
        {"hOuse", "house", false},   {"houses", "house", false},       {"Boston", "Boston", true},
        {"BOSTON", "Boston", true},  {"boston", "Boston", false},      {"iPhone", "iPhone", true},
        {"IPhone", "iPhone", false}, {"\xC9T\xC9", "\xE9t\xE9", true}, {"'Tis", "'tis", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WrittenAsListed(c.written, c.listed), c.right) << c.written << " " << c.listed;
}

} // namespace
} // namespace quillby
