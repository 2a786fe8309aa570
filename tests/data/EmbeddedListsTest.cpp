// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The lists built into the program: what the converter made of the public data sets.

#include "data/Errors.h"
#include "data/ListLoader.h"
#include "resources/QtResourceStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace quillby {
namespace {

struct LetterFacts {
    char letter;
    std::size_t lines;
    std::size_t textBytes; // 0 where the published source differs from the delivered text
};

// Lines per letter, and the text bytes where they must match byte for byte.
const LetterFacts kLetters[] = {
    {'A', 11616, 992256}, {'B', 9877, 826887}, {'C', 16736, 1457268}, {'D', 10806, 903709},
    {'E', 7520, 668056},  {'F', 7419, 0},      {'G', 5417, 462171},   {'H', 6269, 0},
    {'I', 7783, 0},       {'J', 1338, 114114}, {'K', 1283, 109306},   {'L', 5814, 0},
    {'M', 8848, 763648},  {'N', 3034, 0},      {'O', 4461, 0},        {'P', 15429, 1371031},
    {'Q', 1043, 92864},   {'R', 8910, 0},      {'S', 21503, 0},       {'T', 9285, 843077},
    {'U', 3358, 267995},  {'V', 2796, 262236}, {'W', 4457, 0},        {'X', 147, 16123},
    {'Y', 486, 0},        {'Z', 415, 39153},
};

class EmbeddedLists : public ::testing::Test {
protected:
    static TextLines Load(std::string_view name) { return LoadListResource(store_, name, {}); }
    static const QtResourceStore store_;
};
const QtResourceStore EmbeddedLists::store_;

std::size_t Count(std::string_view text, std::string_view what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos;
         at = text.find(what, at + what.size()))
        ++n;
    return n;
}

TEST_F(EmbeddedLists, WordListIsTheMobyListLineForLine)
{
    const TextLines words = Load(kWordListName);
    ASSERT_EQ(words.size(), 354984u);
    EXPECT_EQ(words.textSize(), 4067675u);
    EXPECT_EQ(words[0], "&c");
    EXPECT_EQ(words[words.size() - 1], "zyzzyvas");
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
    const auto quoted = std::find(words.begin(), words.end(), "hain\"\"t");
    ASSERT_NE(quoted, words.end());
    EXPECT_EQ(quoted->size(), 7u);
    EXPECT_EQ(std::adjacent_find(words.begin(), words.end()) - words.begin(),
              std::find(words.begin(), words.end(), "animate") - words.begin());
}

TEST_F(EmbeddedLists, WebsterListsHaveTheirLineCountsAndSizes)
{
    std::size_t total = 0;
    for (const LetterFacts &facts : kLetters) {
        const TextLines list = Load(WebsterListName(facts.letter));
        EXPECT_EQ(list.size(), facts.lines) << facts.letter;
        if (facts.textBytes != 0) {
            EXPECT_EQ(list.textSize(), facts.textBytes) << facts.letter;
        }
        total += list.size();
    }
    EXPECT_EQ(total, 176050u);
}

TEST_F(EmbeddedLists, EveryWebsterLineHasThreeQuotedFields)
{
    for (const LetterFacts &facts : kLetters) {
        const TextLines list = Load(WebsterListName(facts.letter));
        for (std::string_view line : list) {
            ASSERT_GE(line.size(), 8u) << facts.letter;
            ASSERT_EQ(line.front(), '"') << line;
            ASSERT_EQ(line.back(), '"') << line;
            ASSERT_EQ(Count(line, "\",\""), 2u) << line;
        }
    }
}

TEST_F(EmbeddedLists, QuirksOfTheDictionaryAreKeptAsTheyAre)
{
    const TextLines e = Load("E_txt_deflated");
    EXPECT_NE(std::find(e.begin(), e.end(), "\"Ey\"ries\",\"pl.\",\"of Eyry\""), e.end());
    const TextLines a = Load("A_txt_deflated");
    EXPECT_NE(std::find(a.begin(), a.end(), "\"Azymous\",\"a.\",\"Unleavened; unfermented.\""),
              a.end());
    const TextLines x = Load("X_txt_deflated");
    const std::string_view start =
        "\"X\",\"\",\"X, the twenty-fourth letter of the English alphabet";
    EXPECT_EQ(x[0].substr(0, start.size()), start);

    std::map<unsigned char, int> high;
    for (const LetterFacts &facts : kLetters) {
        for (std::string_view line : Load(WebsterListName(facts.letter))) {
            for (char c : line) {
                if (static_cast<unsigned char>(c) > 127)
                    ++high[static_cast<unsigned char>(c)];
            }
        }
    }
    const std::map<unsigned char, int> expected = {
        {0x96, 23}, {0xA1, 67}, {0xA3, 6}, {0xC3, 11}, {0xD6, 2}};
    EXPECT_EQ(high, expected);
}

TEST_F(EmbeddedLists, NamesAreFoundIgnoringCase)
{
    EXPECT_TRUE(store_.Find(kRcData, "mobyWordListCompressed"));
    EXPECT_TRUE(store_.Find(kRcData, "MOBYWORDLISTCOMPRESSED"));
    const auto lower = store_.Find(kRcData, "a_txt_deflated");
    const auto asked = store_.Find(kRcData, "A_txt_deflated");
    ASSERT_TRUE(lower && asked);
    EXPECT_EQ(lower->data(), asked->data());
    EXPECT_FALSE(store_.Find(kRcData, "AA_txt_deflated"));
}

TEST_F(EmbeddedLists, MissingNameRaisesTheErrorWithTheNameAsAsked)
{
    try {
        Load("Q_txt_deflatedX");
        FAIL() << "no error";
    } catch (const EResNotFound &error) {
        EXPECT_STREQ(error.what(), "Resource Q_txt_deflatedX not found");
    }
}

// Percentages worked out in whole numbers: round(100 T / S), halves to even.
int ExactPercent(std::uint64_t t, std::uint64_t s)
{
    const std::uint64_t num = 100 * t;
    std::uint64_t q = num / s;
    const std::uint64_t twiceRest = 2 * (num % s);
    if (twiceRest > s || (twiceRest == s && q % 2 == 1))
        ++q;
    return static_cast<int>(q);
}

TEST_F(EmbeddedLists, RealWordListReportsEveryBlockInOrder)
{
    const auto compressed = store_.Find(kRcData, kWordListName);
    ASSERT_TRUE(compressed);
    const std::uint64_t size = compressed->size();
    std::vector<int> reports;
    LoadListResource(store_, kWordListName, [&](int p) { reports.push_back(p); });

    ASSERT_EQ(reports.size(), (size + InflateBlockSize - 1) / InflateBlockSize);
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const std::uint64_t read = std::min<std::uint64_t>((i + 1) * InflateBlockSize, size);
        EXPECT_EQ(reports[i], ExactPercent(read, size)) << "block " << i;
    }
    EXPECT_EQ(reports.back(), 100);
}

} // namespace
} // namespace quillby
