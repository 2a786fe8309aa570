// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillby {
namespace {

TextLines Lines(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return TextLines(std::move(text));
}

std::vector<std::string> Words(const Suggestions &found)
{
    std::vector<std::string> words;
    for (const Suggestion &s : found)
        words.emplace_back(s.word);
    return words;
}

using Strings = std::vector<std::string>;

const TextLines &Moby()
{
    static const TextLines list =
        Lines({"&c",      "'tis",   "1st",     "a",       "abc",    "abcess", "ab%c",  "animate",
               "animate", "cat",    "cat's",   "catalog", "concat", "hous",   "house", "housing",
               "radon",   "rhythm", "rhythms", "rythmic", "robert", "rupert"});
    return list;
}

struct MobyCase {
    const char *typed;
    Strings expected;
};

class MobySearchTest : public ::testing::TestWithParam<MobyCase> {};

TEST_P(MobySearchTest, ListsTheMatchesInListOrder)
{
    SoundexCache codes;
    const MobyCase &c = GetParam();
    EXPECT_EQ(Words(MobySearch(Moby(), c.typed, codes)), c.expected)
        << "typed \"" << c.typed << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Typed, MobySearchTest,
    ::testing::Values(
        // Shorter than five characters: prefix, ASCII case ignored, duplicates kept.
        MobyCase{"cat", {"cat", "cat's", "catalog"}}, MobyCase{"CAT", {"cat", "cat's", "catalog"}},
        MobyCase{"anim", {"animate", "animate"}},
        MobyCase{"a", {"a", "abc", "abcess", "ab%c", "animate", "animate"}},
        MobyCase{"'t", {"'tis"}}, MobyCase{"1", {"1st"}}, MobyCase{"zz", {}},
        // Five or more characters: sound code.
        MobyCase{"rythm", {"radon", "rhythm"}}, MobyCase{"Robert", {"robert", "rupert"}},
        MobyCase{"housi", {"hous", "house"}},
        // A "%" forces prefix matching; only the first one is removed.
        MobyCase{"hous%", {"hous", "house", "housing"}},
        MobyCase{"%hous", {"hous", "house", "housing"}}, MobyCase{"ab%c", {"abc", "abcess"}},
        MobyCase{"ab%%c", {"ab%c"}},
        // Empty text, or only "%", matches nothing.
        MobyCase{"", {}}, MobyCase{"%", {}}));

TEST(MobySearch, TypedSpacesArePartOfThePrefix)
{
    SoundexCache codes;
    EXPECT_EQ(Words(MobySearch(Moby(), " cat", codes)), Strings{});
    EXPECT_EQ(Words(MobySearch(Moby(), "cat ", codes)), Strings{});
}

TEST(MobySearch, ResultsAreViewsIntoTheList)
{
    SoundexCache codes;
    const Suggestions found = MobySearch(Moby(), "concat", codes);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].word.data(), Moby()[12].data());
    EXPECT_FALSE(found[0].node.has_value()) << "Moby suggestions carry no definition";
}

TEST(SoundexCache, RecomputesAReplacedList)
{
    SoundexCache codes;
    TextLines list = Lines({"rhythm", "robert"});
    EXPECT_EQ(Words(MobySearch(list, "rythm", codes)), Strings{"rhythm"});
    EXPECT_EQ(Words(MobySearch(list, "rythm", codes)), Strings{"rhythm"});
    list = Lines({"robert", "radon", "rhythm", "rupert"});
    EXPECT_EQ(Words(MobySearch(list, "rythm", codes)), (Strings{"radon", "rhythm"}));
    list = TextLines();
    EXPECT_EQ(Words(MobySearch(list, "rythm", codes)), Strings{});
}

TEST(WebsterLetter, FirstCharacterUpperCasedAndBelowAGoesToA)
{
    EXPECT_EQ(WebsterLetter("azymic"), 'A');
    EXPECT_EQ(WebsterLetter("Zeta"), 'Z');
    EXPECT_EQ(WebsterLetter("1st"), 'A');
    EXPECT_EQ(WebsterLetter("-able"), 'A');
    EXPECT_EQ(WebsterLetter(" x"), 'A');
    EXPECT_EQ(WebsterLetter("[x"), '[');
    EXPECT_EQ(WebsterLetter("{x"), '{');
    EXPECT_EQ(WebsterLetter("\xE9"
                            "clair"),
              '\xE9');
    EXPECT_EQ(WebsterLetter(""), std::nullopt);
}

TEST(WebsterListFor, NothingToSearchWithoutTheLetter)
{
    WebsterLists lists;
    lists.Append('A', Lines({R"("Azymic","a.","Azymous.")"}));
    lists.Append('Z', Lines({R"("Zeta","n.","A Greek letter.")"}));
    EXPECT_EQ(WebsterListFor(&lists, "azymic"), lists.Find('A'));
    EXPECT_EQ(WebsterListFor(&lists, "1st"), lists.Find('A'));
    EXPECT_EQ(WebsterListFor(&lists, "zeta"), lists.Find('Z'));
    EXPECT_EQ(WebsterListFor(&lists, "bat"), nullptr);
    EXPECT_EQ(WebsterListFor(&lists, "[x"), nullptr);
    EXPECT_EQ(WebsterListFor(&lists, "\xE9"
                                     "clair"),
              nullptr);
    EXPECT_EQ(WebsterListFor(&lists, ""), nullptr);
    EXPECT_EQ(WebsterListFor(nullptr, "azymic"), nullptr) << "lists never built";
}

const TextLines &WebsterA()
{
    static const TextLines list = Lines({
        R"("Abed","adv.","In bed, or on the bed.")",
        R"("Abed","adv.","To childbed (in the phrase "brought abed," that is, delivered.")",
        R"("-able","","A suffix.")",
        R"("Azymic","a.","Azymous.")",
        R"("Azymous","a.","Unleavened; unfermented.")",
        R"("Asmic","n.","Made up.")",
        R"("androus","a.","Combining form.")",
        R"("> 1.","Inequality","")",
    });
    return list;
}

TEST(WebsterSearch, PrefixMatchesTheWordFieldAndCarriesTheEntry)
{
    SoundexCache codes;
    const Suggestions found = WebsterSearch(WebsterA(), "abe", codes);
    ASSERT_EQ(Words(found), (Strings{"Abed", "Abed"}));
    ASSERT_TRUE(found[1].node.has_value());
    EXPECT_EQ(found[1].node->PartOfSpeech(), "adv.");
    EXPECT_EQ(found[1].node->Definition(),
              R"(To childbed (in the phrase "brought abed," that is, delivered.)");

    EXPECT_EQ(Words(WebsterSearch(WebsterA(), "-a", codes)), Strings{"-able"});
    EXPECT_EQ(Words(WebsterSearch(WebsterA(), "AND", codes)), Strings{"androus"});
    EXPECT_EQ(Words(WebsterSearch(WebsterA(), "1st", codes)), Strings{});
    EXPECT_EQ(Words(WebsterSearch(WebsterA(), "Ineq", codes)), Strings{})
        << "the part of speech is not searched";
}

TEST(WebsterSearch, SoundCodeOfTheWordField)
{
    SoundexCache codes;
    // A252: Azymic, Azymous, Asmic (s=2, m=5, c=2).
    const Suggestions found = WebsterSearch(WebsterA(), "Azymic", codes);
    EXPECT_EQ(Words(found), (Strings{"Azymic", "Azymous", "Asmic"}));
    ASSERT_TRUE(found[0].node.has_value());
    EXPECT_EQ(found[0].node->Definition(), "Azymous.");
    EXPECT_EQ(Words(WebsterSearch(WebsterA(), "Azymic", codes)),
              (Strings{"Azymic", "Azymous", "Asmic"}))
        << "the same with the codes kept from the first search";
}

TEST(SelectionFor, TypedWordIgnoringCaseElseTheFirst)
{
    const TextLines list = Lines({"radon", "rhythm", "Rhythm", "caf\xC9"});
    Suggestions found;
    for (std::string_view line : list)
        found.push_back({line, std::nullopt});
    EXPECT_EQ(SelectionFor(found, "rhythm"), 1);
    EXPECT_EQ(SelectionFor(found, "RHYTHM"), 1);
    EXPECT_EQ(SelectionFor(found, "radon"), 0);
    EXPECT_EQ(SelectionFor(found, "rythm"), 0);
    EXPECT_EQ(SelectionFor(found, "caf\xE9"), 3);
    EXPECT_EQ(SelectionFor(found, "rhythm "), 0);
    EXPECT_EQ(SelectionFor({}, "rhythm"), -1);
}

} // namespace
} // namespace quillby
