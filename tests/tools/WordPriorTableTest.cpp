// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The prior table made from small made-up sources, read back as the ranking reads it: which
// words are known spellings, and how the sense counts, the spelling-list sizes, British
// spellings and inflected forms make the estimates.

#include "tools/WordPriorTable.h"

#include "data/LinesFingerprint.h"
#include "data/TextLines.h"
#include "lookup/WordPriors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillby::tools {
namespace {

constexpr const char *kWordList = "apple\r\napple's\r\napples\r\nbehavior\r\nbehaviour\r\n"
                                  "cafe\r\ncontrol\r\ncontrols\r\nfern\r\nmispeled\r\n"
                                  "moss\r\nrare\r\nsedge\r\nthe\r\nzymurgy\r\n";

// Made-up words filling the spelling lists to the sizes of the real ones, so that the ranks of
// each size are as many as a language has.
std::string Filler(const char *start, int count)
{
    std::string words;
    for (int i = 0; i < count; ++i)
        words += start + std::to_string(i) + '\n';
    return words;
}

// The sources with these spelling lists (and the fillers) and sense counts.
WordPriors Priors(const std::vector<SpellingList> &spellingLists, const std::string &senseCounts)
{
    static const std::string fillers[] = {Filler("ten", 4000), Filler("twenty", 8000),
                                          Filler("thirty-five", 38000), Filler("eighty", 20000)};
    std::vector<SpellingList> lists = spellingLists;
    lists.insert(lists.end(), {{10, false, fillers[0]},
                               {20, false, fillers[1]},
                               {35, false, fillers[2]},
                               {80, false, fillers[3]}});
    const PriorSources sources{kWordList,
                               "Decreasing Order of Occurrence\r\n\r\nthe\r\n",
                               "",
                               {R"("Sedge","n.","A plant.")"},
                               std::move(lists),
                               senseCounts};
    return WordPriors(MakePriorTable(sources));
}

const std::vector<SpellingList> kSpellingLists = {
    {10, false, "the\napple\ncontrol\nfern\nmoss\n"},
    {35, false, "apples\napple's\ncontrols\ncaf\xC3\xA9\nbehavior\nsedge\n"},
    {10, true, "behaviour\n"},
    {80, false, "zymurgy\n"},
};

TEST(WordPriorTable, TheListsReadAreTheEnglishAmericanAndBritishUpToSize80)
{
    const struct {
        const char *name;
        std::optional<int> size;
    } cases[] = {
        {"english-words.10", 10},
        {"american-upper.60", 60},
        {"british-contractions.35", 35},
        {"english-abbreviations.10", 10},
        {"american-proper-names.50", 50},
        {"british-proper-names.80", 80},
        {"english-words.95", std::nullopt},
        {"australian-words.10", std::nullopt},
        {"special-hacker.50", std::nullopt},
        {"english-words", std::nullopt},
        {"english-words.1x", std::nullopt},
        {"README", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SpellingListSize(c.name), c.size) << c.name;
}

// Beside kSpellingLists: a size-60 word and one of size 70, abbreviations, proper names and a
// British spelling, as the lists hold them, and words listed both with capitals and without.
const std::vector<SpellingList> kMoreLists = {
    {60, false, "heron\n"},     {70, false, "belive\n"},
    {10, false, "etc\nMr\n"},   {50, false, "Boston\nBoston's\nUSA\niPhone\nFern\nReading\n"},
    {20, true, "authorises\n"}, {35, false, "reading\n"},
};

std::vector<SpellingList> AllLists()
{
    std::vector<SpellingList> lists = kSpellingLists;
    lists.insert(lists.end(), kMoreLists.begin(), kMoreLists.end());
    return lists;
}

TEST(WordPriorTable, KnownSpellingsAreTheListsWordsUpToSize60)
{
    const WordPriors priors = Priors(AllLists(), "");
    for (const char *known : {"the", "apple", "apples", "apple's", "controls", "behaviour", "Sedge",
                              "heron", "etc", "authorises", "reading"}) {
        EXPECT_TRUE(priors.Of(known).known) << known;
        EXPECT_FALSE(priors.Of(known).ownCapitals) << known;
    }
    for (const char *own : {"boston", "usa", "iphone", "mr"}) {
        EXPECT_TRUE(priors.Of(own).known) << own;
        EXPECT_TRUE(priors.Of(own).ownCapitals) << own;
    }
    EXPECT_TRUE(priors.Of("cafe").known) << "\"caf\xC3\xA9\" in the lists, on plain letters";
    EXPECT_TRUE(priors.IsKnownAsWritten("caf\xE9")) << "and with its diacritic";
    EXPECT_FALSE(priors.Of("fern").ownCapitals) << "listed in lower case too";
    for (const char *unknown : {"mispeled", "rare", "zymurgy", "belive"}) {
        EXPECT_FALSE(priors.Of(unknown).known) << unknown;
        EXPECT_LT(priors.LogFrequency(unknown), priors.LogFrequency("heron")) << unknown;
    }
    EXPECT_GT(priors.LogFrequency("zymurgy"), priors.LogFrequency("rare"))
        << "size 80 still tells how common";
    EXPECT_NEAR(priors.LogFrequency("boston's"), priors.LogFrequency("boston") - std::log(20.0),
                0.01)
        << "a possessive listed with its word is a twentieth as common";

    const struct {
        const char *written;
        bool known;
    } cases[] = {
        {"Boston", true}, {"BOSTON", true}, {"boston", false}, {"USA", true},     {"usa", false},
        {"Usa", false},   {"iPhone", true}, {"IPHONE", true},  {"IPhone", false}, {"Mr", true},
        {"MR", true},     {"mr", false},    {"etc", true},     {"Etc", true},     {"ETC", true},
        {"eTc", false},   {"Fern", true},   {"fern", true},    {"heron", true},   {"belive", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(priors.IsKnownAsWritten(c.written), c.known) << c.written;
}

TEST(WordPriorTable, TheKnownSpellingsTheWordListLacksAreAddedAsListed)
{
    const std::string table = MakePriorTable({kWordList, "", "", {}, AllLists(), ""});
    const std::string added = MakeAddedWords({kWordList, "", "", {}, AllLists(), ""}, table);
    ASSERT_GE(added.size(), 8u);
    LinesFingerprint fingerprint;
    for (std::string_view word : TextLines(std::string_view(kWordList)))
        fingerprint.Add(word);
    std::uint64_t stored = 0;
    for (std::size_t i = 0; i < 8; ++i)
        stored |= std::uint64_t{static_cast<unsigned char>(added[i])} << (8 * i);
    EXPECT_EQ(stored, fingerprint.Value()) << "made for that list";
    // Each line `spelling TAB logarithm`, the logarithm the table's.
    const WordPriors priors(table);
    std::vector<std::string> spellings;
    for (std::string_view line : TextLines(std::string_view(added).substr(8))) {
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string_view::npos) << line;
        spellings.emplace_back(line.substr(0, tab));
        EXPECT_EQ(std::stod(std::string(line.substr(tab + 1))) / 100,
                  priors.LogFrequency(spellings.back()))
            << line;
    }
    std::sort(spellings.begin(), spellings.end());
    EXPECT_EQ(spellings,
              (std::vector<std::string>{"Boston", "Boston's", "Mr", "USA", "authorises", "caf\xE9",
                                        "etc", "heron", "iPhone", "reading"}));
}

TEST(WordPriorTable, SmallerSpellingListSizesAreCommoner)
{
    const WordPriors priors = Priors(kSpellingLists, "");
    EXPECT_GT(priors.LogFrequency("fern"), priors.LogFrequency("sedge")) << "10 over 35";
    EXPECT_GT(priors.LogFrequency("sedge"), priors.LogFrequency("zymurgy")) << "35 over 80";
    EXPECT_GT(priors.LogFrequency("zymurgy"), priors.LogFrequency("rare")) << "80 over none";
    EXPECT_EQ(priors.LogFrequency("fern"), priors.LogFrequency("moss")) << "one size, one rate";
    EXPECT_GT(priors.LogFrequency("the"), priors.LogFrequency("fern")) << "the most frequent";
}

TEST(WordPriorTable, SenseCountsAreSummedPerWord)
{
    const double senses =
        Priors(kSpellingLists, "fern%1:20:00:: 1 3\nfern%1:20:01:: 2 5\n").LogFrequency("fern");
    const double one = Priors(kSpellingLists, "fern%1:20:00:: 1 8\n").LogFrequency("fern");
    EXPECT_EQ(senses, one);
    const WordPriors counted = Priors(kSpellingLists, "fern%1:20:00:: 1 40\n"
                                                      "moss%2:38:00:: 1 40\n"
                                                      "sedge%1:20:00:: 1 40\n");
    EXPECT_GT(counted.LogFrequency("fern"), counted.LogFrequency("moss"))
        << "a verb is counted over more texts";
    EXPECT_GT(counted.LogFrequency("moss"), Priors(kSpellingLists, "").LogFrequency("moss"))
        << "counted often, commoner than its size tells";
    EXPECT_GT(counted.LogFrequency("sedge"), counted.LogFrequency("apples"))
        << "the count outweighs the size";
}

TEST(WordPriorTable, BritishSpellingsTakeTheirSizeNotAmericanCounts)
{
    const WordPriors priors =
        Priors(kSpellingLists, "behaviour%1:04:00:: 1 1\nbehavior%1:04:00:: 1 40\n");
    EXPECT_TRUE(priors.Of("behaviour").known);
    EXPECT_EQ(priors.LogFrequency("behaviour"), priors.LogFrequency("fern"))
        << "size 10, whatever the American texts counted";
    EXPECT_GT(priors.LogFrequency("behavior"), priors.LogFrequency("sedge"));
}

TEST(WordPriorTable, InflectedFormsTakeAShareOfTheirStemsCount)
{
    const WordPriors priors =
        Priors(kSpellingLists, "apple%1:13:00:: 1 200\ncontrol%1:04:00:: 1 200\n");
    const WordPriors uncounted = Priors(kSpellingLists, "");
    for (const char *form : {"apples", "controls", "apple's"}) {
        EXPECT_GT(priors.LogFrequency(form), uncounted.LogFrequency(form)) << form;
        EXPECT_LT(priors.LogFrequency(form), priors.LogFrequency("apple")) << form;
    }
    EXPECT_GT(priors.LogFrequency("apples"), priors.LogFrequency("apple's"))
        << "a possessive is rarer than a plural";
}

TEST(WordPriorTable, TheWordListsPriorsAreTheTablesLineByLine)
{
    std::string table = "\t-530\t-\n";
    std::string wordList;
    std::vector<std::string> words;
    for (int i = 0; i < 300; ++i) {
        const std::string word = "w" + std::to_string(1000 + i);
        // Known in lower case, only with capitals of its own, or not at all.
        const std::string spellings = i % 7 == 0 ? "W" + word.substr(1) : i % 2 ? "k" : "-";
        if (i % 3 != 0)
            table += word + '\t' + std::to_string(i - 150) + '\t' + spellings + '\n';
        // Some in another case than the table's, all as the list holds them.
        words.push_back((i % 5 == 0 ? "W" : "w") + word.substr(1));
        wordList += words.back() + "\r\n";
    }
    const std::string listPriors = MakeWordListPriors(table, wordList);
    ASSERT_EQ(listPriors.size(), 8 + 2 * words.size());
    const auto bytes =
        std::span(reinterpret_cast<const unsigned char *>(listPriors.data()), listPriors.size());
    const WordPriors priors = WordPriors::InPlace(table, bytes);
    const std::vector<std::string_view> views(words.begin(), words.end());
    const std::vector<WordPrior> each = priors.OfEach(views);
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_EQ(each[i].logFrequency, priors.Of(words[i]).logFrequency) << words[i];
        EXPECT_EQ(each[i].known, priors.Of(words[i]).known) << words[i];
        EXPECT_EQ(each[i].ownCapitals, priors.Of(words[i]).ownCapitals) << words[i];
    }
    // Another list of as many lines is looked up word by word: reversed, or with only two
    // neighbouring lines swapped.
    std::vector<std::string_view> reversed(views.rbegin(), views.rend());
    std::vector<std::string_view> swapped = views;
    std::swap(swapped[1], swapped[2]);
    for (const std::vector<std::string_view> &others : {reversed, swapped}) {
        const std::vector<WordPrior> found = priors.OfEach(others);
        for (std::size_t i = 0; i < others.size(); ++i) {
            EXPECT_EQ(found[i].logFrequency, priors.Of(others[i]).logFrequency) << others[i];
            EXPECT_EQ(found[i].known, priors.Of(others[i]).known) << others[i];
            EXPECT_EQ(found[i].ownCapitals, priors.Of(others[i]).ownCapitals) << others[i];
        }
    }
}

} // namespace
} // namespace quillby::tools
