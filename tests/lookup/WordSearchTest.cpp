// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The two searches in list order, through the engine the window and the command line call.

#include "tests/lookup/LookupTestLists.h"

#include <gtest/gtest.h>

namespace quillby::testing {
namespace {

constexpr auto kMoby = WordSource::Moby;
constexpr auto kWebster = WordSource::Webster;
constexpr auto kListOrder = SuggestionOrder::ListOrder;

LookupEngine &Moby()
{
    static LookupEngine engine = EngineOver(
        {"&c",      "'tis",   "1st",     "a",       "abc",    "abcess", "ab%c",  "animate",
         "animate", "cat",    "cat's",   "catalog", "concat", "hous",   "house", "housing",
         "radon",   "rhythm", "rhythms", "rythmic", "robert", "rupert"});
    return engine;
}

Strings MobyWords(std::string_view typed)
{
    return Words(Moby().Search(typed, kMoby, kListOrder)).value();
}

struct MobyCase {
    const char *typed;
    Strings expected;
};

class MobySearchTest : public ::testing::TestWithParam<MobyCase> {};

TEST_P(MobySearchTest, ListsTheMatchesInListOrder)
{
    const MobyCase &c = GetParam();
    EXPECT_EQ(MobyWords(c.typed), c.expected) << "typed \"" << c.typed << '"';
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
    EXPECT_EQ(MobyWords(" cat"), Strings{});
    EXPECT_EQ(MobyWords("cat "), Strings{});
}

TEST(MobySearch, ResultsAreViewsIntoTheList)
{
    const std::optional<SearchResult> found = Moby().Search("concat", kMoby, kListOrder);
    ASSERT_TRUE(found);
    ASSERT_EQ(found->suggestions.size(), 1u);
    EXPECT_EQ(found->suggestions[0].word.data(), Moby().MobyList()->Lines()[12].data());
    EXPECT_FALSE(found->suggestions[0].node.has_value()) << "Moby suggestions carry no definition";
}

TEST(MobySearch, WithoutAWordListFindsNothingAndStillEmptiesTheList)
{
    LookupEngine engine([] { return WordPriors(); });
    const std::optional<SearchResult> found = engine.Search("cat", kMoby, kListOrder);
    ASSERT_TRUE(found) << "the Moby search always replaces what is shown";
    EXPECT_TRUE(found->suggestions.empty());
    EXPECT_EQ(found->selectedRow, -1);
}

const Strings kWebsterA = {
    R"("Abed","adv.","In bed, or on the bed.")",
    R"("Abed","adv.","To childbed (in the phrase "brought abed," that is, delivered.")",
    R"("-able","","A suffix.")",
    R"("Azymic","a.","Azymous.")",
    R"("Azymous","a.","Unleavened; unfermented.")",
    R"("Asmic","n.","Made up.")",
    R"("androus","a.","Combining form.")",
    R"("> 1.","Inequality","")",
};

TEST(WebsterSearch, ReadsTheListOfTheFirstLetterOnly)
{
    LookupEngine engine =
        EngineOver({}, {{'A', {R"("Azymic","a.","Azymous.")", R"("1st","n.","Not a word.")"}},
                        {'Z', {R"("Zeta","n.","A Greek letter.")"}}});
    EXPECT_EQ(Words(engine.Search("azymic", kWebster, kListOrder)), Strings{"Azymic"});
    EXPECT_EQ(Words(engine.Search("Zeta", kWebster, kListOrder)), Strings{"Zeta"});
    // Below "A": the A list, by the typed text as it is.
    EXPECT_EQ(Words(engine.Search("1st", kWebster, kListOrder)), Strings{"1st"});
    EXPECT_EQ(Words(engine.Search(" azy", kWebster, kListOrder)), Strings{});
    // No list for the letter, or none at all: nothing to search, nothing changes.
    for (const char *typed : {"bat", "[x", "{x", "_x",
                              "\xE9"
                              "clair",
                              ""})
        EXPECT_EQ(Words(engine.Search(typed, kWebster, kListOrder)), std::nullopt) << typed;
    engine.FreeWebsterLists();
    EXPECT_EQ(Words(engine.Search("azymic", kWebster, kListOrder)), std::nullopt);
}

TEST(WebsterSearch, PrefixMatchesTheWordFieldAndCarriesTheEntry)
{
    LookupEngine engine = EngineOver({}, {{'A', kWebsterA}, {'I', {kWebsterA.back()}}});
    const Suggestions found = engine.Search("abe", kWebster, kListOrder).value().suggestions;
    ASSERT_EQ(Words(found), (Strings{"Abed", "Abed"}));
    ASSERT_TRUE(found[1].node.has_value());
    EXPECT_EQ(found[1].node->PartOfSpeech(), "adv.");
    EXPECT_EQ(found[1].node->Definition(),
              R"(To childbed (in the phrase "brought abed," that is, delivered.)");

    EXPECT_EQ(Words(engine.Search("-a", kWebster, kListOrder)), Strings{"-able"});
    EXPECT_EQ(Words(engine.Search("AND", kWebster, kListOrder)), Strings{"androus"});
    EXPECT_EQ(Words(engine.Search("1st", kWebster, kListOrder)), Strings{});
    EXPECT_EQ(Words(engine.Search("Ineq", kWebster, kListOrder)), Strings{})
        << "the part of speech is not searched";
}

TEST(WebsterSearch, SoundCodeOfTheWordField)
{
    LookupEngine engine = EngineOver({}, {{'A', kWebsterA}});
    // A252: Azymic, Azymous, Asmic (s=2, m=5, c=2).
    const Suggestions found = engine.Search("Azymic", kWebster, kListOrder).value().suggestions;
    EXPECT_EQ(Words(found), (Strings{"Azymic", "Azymous", "Asmic"}));
    ASSERT_TRUE(found[0].node.has_value());
    EXPECT_EQ(found[0].node->Definition(), "Azymous.");
    EXPECT_EQ(Words(engine.Search("Azymic", kWebster, kListOrder)),
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
} // namespace quillby::testing
