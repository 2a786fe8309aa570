// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/LineSplitter.h"
#include "data/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillby {
namespace {

using namespace std::string_literals;

std::vector<std::string> Split(const std::string &text)
{
    const auto views = SplitLines(text);
    return {views.begin(), views.end()};
}

TEST(SplitLines, LineEndsOfEveryKind)
{
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\0b\r\n"s, {"a"}},
        {"\0abc"s, {}},
        {"", {}},
        {"last line without end", {"last line without end"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {" padded \r\n", {" padded "}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Split(c.text), c.lines) << "text of " << c.text.size() << " bytes";
}

TEST(SplitLines, EmptyTextWithoutAnAddress)
{
    EXPECT_TRUE(SplitLines(std::string_view()).empty());
    const TextLines none{std::string_view()};
    EXPECT_TRUE(none.empty());
    const TextLines copy = none;
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(copy.textSize(), 0u);
}

TEST(TextLines, CopyOwnsItsOwnText)
{
    TextLines original("one\r\ntwo\r\n");
    TextLines copy = original;
    original = TextLines("three\r\n");
    ASSERT_EQ(copy.size(), 2u);
    EXPECT_EQ(copy[0], "one");
    EXPECT_EQ(copy[1], "two");
    EXPECT_EQ(original[0], "three");
}

TEST(TextLines, MoveKeepsViewsValidForShortTexts)
{
    // A short text would sit inside the string object itself; the views must survive the move.
    TextLines source("ab\r\ncd\r\n");
    TextLines moved = std::move(source);
    std::vector<TextLines> many;
    many.push_back(std::move(moved));
    many.emplace_back("x\r\n");
    EXPECT_EQ(many[0][0], "ab");
    EXPECT_EQ(many[0][1], "cd");
}

} // namespace
} // namespace quillby
