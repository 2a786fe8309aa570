// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Best guesses over small made-up lists: what each ingredient of the order decides, and what
// the order never changes (the search's own suggestions, the typed word first, senses together).

#include "lookup/CloseWords.h"
#include "lookup/OsaDistance.h"
#include "lookup/SimilarBits.h"
#include "lookup/SoundGroups.h"
#include "lookup/TypingCost.h"
#include "lookup/WordPriors.h"
#include "tests/lookup/LookupTestLists.h"

#include "text/AsciiCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace quillby::testing {
namespace {

// A text of up to `longest` characters drawn from `alphabet`.
std::string RandomText(std::mt19937 &random, std::size_t longest, std::string_view alphabet)
{
    std::string s(random() % (longest + 1), ' ');
    for (char &c : s)
        c = alphabet[random() % alphabet.size()];
    return s;
}

// The distance written out as its table, case folded to ASCII upper case and "é" to "E".
int PlainOsa(const std::string &a, const std::string &b)
{
    const auto up = [](char c) {
        if (c == '\xE9' || c == '\xC9')
            return 'E';
        return c >= 'a' && c <= 'z' ? char(c - 32) : c;
    };
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
    EXPECT_EQ(OsaPattern("caf\xE9").Distance("CAFE", 2), 0) << "diacritics ignored";
    EXPECT_EQ(OsaPattern("na\xEFve").Distance("naive", 2), 0) << "diacritics ignored";
    EXPECT_EQ(OsaPattern("abcdef").Distance("uvwxyz", 2), 3) << "beyond the limit";

    std::mt19937 random(12);
    const auto text = [&random](std::size_t longest) {
        return RandomText(random, longest, "abcAB-\xE9");
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
        {"caf\xE9", "cafe", "care"},            // a letter without its diacritic
        {"naive", "na\xEFve", "nave"},          // a letter with its diacritic
        {"seperate", "separate", "sederate"},   // a vowel for a vowel
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
    EXPECT_EQ(TypingCost("CAF\xC9", "caf\xE9"), 0.0) << "case ignored with diacritics";
    EXPECT_LT(TypingCost("caf\xE9", "cafe"), 0.2) << "a diacritic costs almost nothing";
    EXPECT_EQ(TypingCost("tje", "the"), 1.0) << "neighbouring keys are no easier than others";
    EXPECT_EQ(TypingCost("abc", "xyz"), 3.5) << "three full edits, the first on the first letter";
    EXPECT_GE(TypingCost(std::string(1000, 'a'), "a"), 936.0) << "long text: the rest costs";
}

TEST(WordPriors, ReadTheTableIgnoringCase)
{
    const WordPriors priors(Table({"\t-530\t-", "aardvark\t-150\tk", "mispeled\t-300\t-",
                                   "the\t1100\tk", "the'\t200\tk", "zymase\t-400\tk"}));
    EXPECT_DOUBLE_EQ(priors.Of("the").logFrequency, 11.0);
    EXPECT_TRUE(priors.Of("THE").known) << "case ignored";
    EXPECT_DOUBLE_EQ(priors.Of("The").logFrequency, 11.0);
    EXPECT_DOUBLE_EQ(priors.Of("the'").logFrequency, 2.0) << "a longer word of the same start";
    EXPECT_FALSE(priors.Of("mispeled").known);
    EXPECT_DOUBLE_EQ(priors.Of("mispeled").logFrequency, -3.0);
    for (const char *absent : {"th", "thee", "zzz", "", "a"}) {
        EXPECT_FALSE(priors.Of(absent).known) << absent;
        EXPECT_DOUBLE_EQ(priors.Of(absent).logFrequency, -5.3) << absent << ": the first line";
    }
    // A table that knows nothing takes every word for a known spelling, all alike.
    EXPECT_TRUE(WordPriors().Of("mispeled").known);
    EXPECT_EQ(WordPriors().LogFrequency("the"), WordPriors().LogFrequency("zymase"));
}

TEST(WordPriors, EachOfManyWordsAsAlone)
{
    const WordPriors priors(Table({"\t-530\t-", "ab\t100\tk", "abc\t200\t-", "b\t300\tk",
                                   "bb\t400\tk", "c\t500\tk", "ca\t600\tk"}));
    // In the table's order, as the Moby list comes, and shuffled, with repeats and strangers.
    Strings sorted = {"a", "ab", "AB", "abc", "abd", "b", "bb", "bba", "c", "ca", "cab", "d"};
    Strings shuffled = sorted;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(5));
    shuffled.insert(shuffled.end(), {"ca", "ab", "", "ab"});
    for (const Strings &words : {sorted, shuffled}) {
        const std::vector<std::string_view> views(words.begin(), words.end());
        const std::vector<WordPrior> each = priors.OfEach(views);
        ASSERT_EQ(each.size(), words.size());
        for (std::size_t i = 0; i < words.size(); ++i) {
            EXPECT_EQ(each[i].logFrequency, priors.Of(words[i]).logFrequency) << words[i];
            EXPECT_EQ(each[i].known, priors.Of(words[i]).known) << words[i];
        }
    }
}

TEST(CloseWords, FindEveryWordWithinTheDistanceAsAFullScanDoes)
{
    std::mt19937 random(7);
    const auto text = [&random](std::size_t longest) {
        return RandomText(random, longest, "abcdAB\xE9'");
    };
    for (int round = 0; round < 300; ++round) {
        Strings list(1 + random() % 60);
        for (std::string &word : list)
            word = text(8);
        const std::vector<std::string_view> words(list.begin(), list.end());
        const CloseWordIndex index(words);
        const std::string typed = text(9);
        const int limit = int(random() % 3);
        std::vector<CloseWord> expected;
        for (std::size_t line = 0; line < list.size(); ++line) {
            const int distance = PlainOsa(typed, list[line]);
            if (distance <= limit)
                expected.push_back({line, distance});
        }
        // In order of length, then of line.
        std::stable_sort(expected.begin(), expected.end(),
                         [&](const CloseWord &a, const CloseWord &b) {
                             return list[a.line].size() < list[b.line].size();
                         });
        const std::vector<CloseWord> found = FindCloseWords(index, typed, limit);
        ASSERT_EQ(found.size(), expected.size()) << '"' << typed << "\" limit " << limit;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].line, expected[i].line) << typed;
            EXPECT_EQ(found[i].distance, expected[i].distance) << typed;
        }
    }
}

// The bit test, four places at a time and one at a time, against a count of each place's bits:
// lengths around the four and around the edges of the blocks of 256 places in which the vector
// test gathers what it finds, limits from none to many.
TEST(SimilarBits, FindThePlacesACountOfTheirBitsFinds)
{
    const std::size_t acrossBlocks[] = {252, 255, 256, 257, 259, 260, 511, 512, 513, 515, 1027};
    std::mt19937_64 random(11);
    for (int round = 0; round < 400; ++round) {
        const std::size_t count =
            round % 4 == 0 ? acrossBlocks[random() % std::size(acrossBlocks)] : random() % 40;
        std::vector<std::uint64_t> places(count);
        const std::uint64_t value = random();
        for (std::uint64_t &bits : places) {
            // Mostly a few bits away from the value, now and then anything.
            bits = value;
            for (int flips = int(random() % 7); flips > 0; --flips)
                bits ^= std::uint64_t{1} << (random() % 64);
            if (random() % 5 == 0)
                bits = random();
        }
        const int limit = int(random() % 9) - 1;
        std::vector<std::uint32_t> expected;
        for (std::size_t i = 0; i < count; ++i) {
            if (limit >= 0 && std::popcount(places[i] ^ value) <= limit)
                expected.push_back(static_cast<std::uint32_t>(i));
        }
        std::vector<std::uint32_t> found, oneByOne;
        FindSimilarBits(places, value, limit, found);
        FindSimilarBitsOneByOne(places, value, limit, oneByOne);
        EXPECT_EQ(found, expected) << count << " places, limit " << limit;
        EXPECT_EQ(oneByOne, expected) << count << " places, limit " << limit;
    }
}

TEST(SoundGroups, HoldTheLinesOfEachCodeAsAFullScanFindsThem)
{
    std::mt19937 random(3);
    std::vector<SoundexKey> codes(2000);
    for (SoundexKey &code : codes) {
        std::string word(1 + random() % 7, ' ');
        for (char &c : word)
            c = "bdlmraeA'\xE9"[random() % 10];
        // Now and then the empty word, whose code is 0.
        code = random() % 50 == 0 ? SoundexKeyOf("") : SoundexKeyOf(word);
    }
    const SoundGroups groups(codes);
    std::set<SoundexKey> distinct(codes.begin(), codes.end());
    distinct.insert(SoundexKeyOf("zzzz"));
    for (SoundexKey code : distinct) {
        std::vector<std::uint32_t> expected;
        for (std::size_t line = 0; line < codes.size(); ++line) {
            if (codes[line] == code)
                expected.push_back(static_cast<std::uint32_t>(line));
        }
        const std::span<const std::uint32_t> found = groups.Lines(code);
        EXPECT_EQ(std::vector<std::uint32_t>(found.begin(), found.end()), expected) << code;
    }
    // The lines of one first character, whatever their digits; the empty word's in none.
    for (char first : {'B', 'A', '\'', '\xC9', 'Z', '\0'}) {
        std::vector<std::uint32_t> expected;
        for (std::size_t line = 0; line < codes.size(); ++line) {
            if (codes[line] != 0 && static_cast<char>(codes[line] & 0xFF) == first)
                expected.push_back(static_cast<std::uint32_t>(line));
        }
        const std::span<const std::uint32_t> found = groups.LinesStartingWith(first);
        std::vector<std::uint32_t> sorted(found.begin(), found.end());
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, expected) << first;
    }
}

// Best guesses over the Moby list `list` with the priors `table`.
Strings Best(const Strings &list, const std::string &typed, const Strings &table = {})
{
    return Words(EngineOver(list, {}, table)
                     .Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses))
        .value();
}

const Strings kPriors = {"\t-530\t-",       "best\t400\tk", "bust\t200\tk",  "cast\t200\tk",
                         "cat\t300\tk",     "cit\t400\t-",  "cot\t200\tk",   "house\t500\tk",
                         "housing\t300\tk", "sane\t100\tk", "signe\t100\tk", "ten\t600\tk",
                         "the\t1100\tk",    "then\t700\tk", "which\t800\tk", "wich\t-100\t-"};

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
                      OrderCase{"a typed word that is no known spelling competes by its score",
                                {"wich", "which", "witch"},
                                "wich",
                                {"which", "wich", "witch"}},
                      OrderCase{"equal typing costs: the common word first",
                                {"bust", "best"},
                                "bast",
                                {"best", "bust"}},
                      OrderCase{"a word no list knows gives way to known ones within an edit",
                                {"cit", "cat", "cot"},
                                "cxt",
                                {"cat", "cot", "cit"}},
                      OrderCase{"equal costs and priors: the same sound code first",
                                {"signe", "sane"},
                                "sine",
                                {"sane", "signe"}},
                      OrderCase{"nothing tells them apart: list order",
                                {"lust", "list", "lost"},
                                "last",
                                {"lust", "list", "lost"}},
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
    const Strings list = {"a",       "abc",     "animate", "animate", "cat",     "cat's",
                          "catalog", "Cat",     "hous",    "house",   "housing", "radon",
                          "rhythm",  "rhythms", "robert",  "rupert",  "ab%c"};
    LookupEngine engine = EngineOver(list);
    // How many lines of a word, case ignored: best guesses write the words in the typed case.
    const auto count = [](const auto &words) {
        std::map<std::string, int> counted;
        for (const auto &word : words)
            ++counted[AsciiUpper(std::string_view(word))];
        return counted;
    };
    const std::map<std::string, int> inList = count(list);
    for (const char *typed :
         {"rythm", "Robert", "cat", "CATA", "a", "hous%", "ab%%c", "qqqqq", "radom", "\xE9t\xE9"}) {
        const std::map<std::string, int> shown = count(
            Words(engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses)).value());
        for (const auto &[word, lines] : shown)
            EXPECT_LE(lines, inList.at(word)) << typed << ": each line once, " << word;
        const std::map<std::string, int> listed = count(
            Words(engine.Search(typed, WordSource::Moby, SuggestionOrder::ListOrder)).value());
        for (const auto &[word, lines] : listed)
            EXPECT_EQ(shown.count(word) ? shown.at(word) : 0, lines)
                << typed << " dropped " << word;
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
