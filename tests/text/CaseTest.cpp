// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// ASCII case for prefixes and names, and the code page's case for comparing whole texts.

#include "text/AsciiCase.h"
#include "text/CaseFolding.h"

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

} // namespace
} // namespace quillby
