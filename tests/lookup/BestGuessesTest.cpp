// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Best guesses over small made-up lists: what each ingredient of the order decides, and what
// the order never changes (the search's own suggestions, the typed word first, senses together).

#include "lookup/OsaDistance.h"
#include "lookup/TypingCost.h"
#include "lookup/WordPriors.h"
#include "tests/lookup/LookupTestLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace quillby::testing {
namespace {

// The distance written out as its table, case folded to ASCII upper case.
int PlainOsa(const std::string &a, const std::string &b)
{
    const auto up = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; };
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = int(i);
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = int(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = up(a[i - 1]) == up(b[j - 1]);
            d[i][j] =
                std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (same ? 0 : 1)});
            if (i > 1 && j > 1 && up(a[i - 1]) == up(b[j - 2]) && up(a[i - 2]) == up(b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

TEST(OsaDistance, AgreesWithTheTableWithinTheLimit)
{
    EXPECT_EQ(OsaPattern("teh").Distance("the", 2), 1) << "a swap is one edit";
    EXPECT_EQ(OsaPattern("ca").Distance("abc", 5), 3) << "no letter is edited twice";
    EXPECT_EQ(OsaPattern("RHYTHM").Distance("rythm", 2), 1) << "case ignored";
    EXPECT_EQ(OsaPattern("abcdef").Distance("uvwxyz", 2), 3) << "beyond the limit";

    std::mt19937 random(12);
    const auto text = [&random](std::size_t longest) {
        std::string s(random() % (longest + 1), ' ');
        for (char &c : s)
            c = "abcAB-"[random() % 6];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        // Some typed texts longer than 64 bytes take the row-by-row way.
        const std::string typed = round % 10 == 0 ? text(70) + text(5) : text(9);
        const std::string word =
            round % 10 == 0 ? typed.substr(0, typed.size() - 1) + text(2) : text(9);
        const int limit = int(random() % 4);
        const int expected = std::min(PlainOsa(typed, word), limit + 1);
        ASSERT_EQ(OsaPattern(typed).Distance(word, limit), expected)
            << '"' << typed << "\" \"" << word << "\" limit " << limit;
    }
}

struct CheaperCase {
    const char *typed;
    const char *cheaper;
    const char *dearer;
};

TEST(TypingCost, EasyEditsCostLessThanOthers)
{
    const CheaperCase cases[] = {
        {"seperate", "separate", "sederate"},   // a vowel for a vowel
        {"kat", "cat", "bat"},                  // letters of the same sound
        {"tje", "the", "toe"},                  // touching keys
        {"begining", "beginning", "begirning"}, // a doubled letter
        {"untill", "until", "unbill"},          // a letter written twice
        {"rythm", "rhythm", "rsythm"},          // a silent letter left out
        {"intial", "initial", "intrial"},       // a vowel left out
        {"teh", "the", "tea"},                  // two letters swapped
        {"bat", "bal", "cat"},                  // the first letter is seldom wrong
    };
    for (const CheaperCase &c : cases) {
        EXPECT_LT(TypingCost(c.typed, c.cheaper), TypingCost(c.typed, c.dearer))
            << c.typed << ": " << c.cheaper << " before " << c.dearer;
        EXPECT_LE(TypingCost(c.typed, c.dearer), 1.5) << c.typed << " to " << c.dearer;
    }
    EXPECT_EQ(TypingCost("RHYTHM", "rhythm"), 0.0);
    EXPECT_EQ(TypingCost("abc", "xyz"), 3.5) << "three full edits, the first on the first letter";
    EXPECT_GE(TypingCost(std::string(1000, 'a'), "a"), 936.0) << "long text: the rest costs";
}

TEST(WordPriors, KnownCommonAndFrequentWordsAreLikelier)
{
    const WordPriors priors(Lines({"aardvark\t0\t0\tc", "of\t900\t2\tc", "recieve\t0\t0\t-",
                                   "separate\t3\t0\tcm", "the\t1000\t1\tc", "zymase\t1\t0\t-"}));
    const Strings order = {"the", "of", "separate", "aardvark", "zymase", "unknown"};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        EXPECT_GT(priors.LogFrequency(order[i]), priors.LogFrequency(order[i + 1])) << order[i];
    EXPECT_EQ(priors.LogFrequency("The"), priors.LogFrequency("the")) << "case ignored";
    EXPECT_EQ(priors.LogFrequency("recieve"), priors.LogFrequency("unknown"));
    EXPECT_EQ(WordPriors().LogFrequency("the"), WordPriors().LogFrequency("zymase"));
}

TEST(WordPriors, InflectedFormsTheSourcesSeldomCountTakeAShareOfTheirStem)
{
    const WordPriors priors(Lines({"box\t400\t0\tc", "carry\t400\t0\tc", "control\t400\t0\tc",
                                   "lath\t400\t0\t-", "make\t400\t0\tc", "the\t400\t0\tc"}));
    const double unknown = priors.LogFrequency("unknown");
    const std::pair<const char *, const char *> forms[] = {
        {"boxes", "box"},          {"carries", "carry"},    {"carried", "carry"},
        {"controlled", "control"}, {"controls", "control"}, {"making", "make"},
        {"makes", "make"}};
    for (const auto &[form, stem] : forms) {
        EXPECT_GT(priors.LogFrequency(form), unknown) << form;
        EXPECT_LT(priors.LogFrequency(form), priors.LogFrequency(stem)) << form;
    }
    // Endings that only look like inflections, and irregular forms, borrow nothing.
    for (const char *other : {"lathes", "thed", "made"})
        EXPECT_EQ(priors.LogFrequency(other), unknown) << other;
}

// Best guesses over the Moby list `list` with the priors `table`.
Strings Best(const Strings &list, const std::string &typed, const Strings &table = {})
{
    return Words(EngineOver(list, {}, table)
                     .Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses))
        .value();
}

const Strings kPriors = {"best\t40\t300\tc", "house\t30\t200\tc", "housing\t5\t0\tc",
                         "ten\t20\t400\tc",  "the\t5000\t1\tc",   "then\t50\t60\tc"};

struct OrderCase {
    const char *why;
    Strings list;
    const char *typed;
    Strings expected;
};

class BestGuessOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(BestGuessOrder, PutsTheLikeliestFirst)
{
    const OrderCase &c = GetParam();
    EXPECT_EQ(Best(c.list, c.typed, kPriors), c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Ingredients, BestGuessOrder,
    ::testing::Values(OrderCase{"the typed word first, its own spelling before other cases",
                                {"Cat", "cast", "cat", "cot"},
                                "cat",
                                {"cat", "Cat", "cot", "cast"}},
                      OrderCase{"equal typing costs: the common word first",
                                {"bust", "best"},
                                "bast",
                                {"best", "bust"}},
                      OrderCase{"equal costs and priors: the same sound code first",
                                {"signe", "sane"},
                                "sine",
                                {"sane", "signe"}},
                      OrderCase{"nothing tells them apart: list order",
                                {"bust", "bist", "bost"},
                                "bast",
                                {"bust", "bist", "bost"}},
                      OrderCase{"a \"%\": prefix matches only, common words first",
                                {"hose", "hous", "house", "housing", "mouse"},
                                "hous%",
                                {"house", "housing", "hous"}},
                      OrderCase{"nothing typed, nothing shown", {"a", "b"}, "", {}},
                      OrderCase{"only \"%\" typed, nothing shown", {"a", "b"}, "%", {}}));

TEST(BestGuesses, ShortTextGetsCloseWordsToo)
{
    const Strings found =
        Best({"tea", "tech", "tehee", "ten", "the", "thee", "then"}, "teh", kPriors);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), "the");
    EXPECT_NE(std::find(found.begin(), found.end(), "tehee"), found.end()) << "the prefix match";
    EXPECT_EQ(std::find(found.begin(), found.end(), "thee"), found.end()) << "two edits away";
}

TEST(BestGuesses, NeverDropTheSearchsOwnSuggestions)
{
    LookupEngine engine =
        EngineOver({"a", "abc", "animate", "animate", "cat", "cat's", "catalog", "Cat", "hous",
                    "house", "housing", "radon", "rhythm", "rhythms", "robert", "rupert", "ab%c"});
    for (const char *typed : {"rythm", "Robert", "cat", "CATA", "a", "hous%", "ab%%c", "qqqqq",
                              "radom", " cat", "\xE9t\xE9"}) {
        const Suggestions best =
            engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses)->suggestions;
        std::vector<const char *> shown;
        for (const Suggestion &s : best)
            shown.push_back(s.word.data());
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(std::adjacent_find(shown.begin(), shown.end()), shown.end())
            << typed << ": each line once";
        const Suggestions listed =
            engine.Search(typed, WordSource::Moby, SuggestionOrder::ListOrder)->suggestions;
        for (const Suggestion &s : listed)
            EXPECT_TRUE(std::binary_search(shown.begin(), shown.end(), s.word.data()))
                << typed << " dropped " << s.word;
    }
}

TEST(BestGuesses, KeepTheSensesOfAWebsterWordTogetherInListOrder)
{
    const Strings list = {R"("Base","a.","Low.")", R"("Bass","n.","A fish.")",
                          R"("Bassa","n.","A place.")", R"("Bass","n.","A deep voice.")",
                          R"("Bast","n.","Inner bark.")"};
    LookupEngine engine = EngineOver({}, {{'B', list}});
    const Suggestions found =
        engine.Search("bass", WordSource::Webster, SuggestionOrder::BestGuesses)->suggestions;
    ASSERT_GE(found.size(), 2u);
    EXPECT_EQ(found.size(), list.size());
    EXPECT_EQ(Words(found)[0], "Bass");
    EXPECT_EQ(Words(found)[1], "Bass");
    ASSERT_TRUE(found[0].node && found[1].node);
    EXPECT_EQ(found[0].node->Definition(), "A fish.");
    EXPECT_EQ(found[1].node->Definition(), "A deep voice.");
}

} // namespace
} // namespace quillby::testing
