// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// What the engine decides beyond each search: the row to select, lists and the prior table read
// when first needed, what it builds over a list kept right for every later search, and what
// best guesses add: the typed case, the known spellings the list lacks, the spaces around the
// typed text ignored; and which words are known spellings in which case.

#include "data/Errors.h"
#include "data/LinesFingerprint.h"
#include "data/ListLoader.h"
#include "tests/lookup/LookupTestLists.h"

#include <gtest/gtest.h>

#include <utility>

namespace quillby::testing::lookup_engine {
namespace {

constexpr auto kMoby = WordSource::Moby;
constexpr auto kWebster = WordSource::Webster;
constexpr auto kListOrder = SuggestionOrder::ListOrder;
constexpr auto kBest = SuggestionOrder::BestGuesses;

TEST(LookupEngine, SelectsTheTypedWordInListOrderAndTheBestGuessOtherwise)
{
    LookupEngine engine =
        EngineOver({"radon", "rhythm", "rhythms"}, {}, {"radon\t1\t0\t-", "rhythm\t20\t900\tc"});
    const struct {
        const char *typed;
        SuggestionOrder order;
        int selected;
        const char *word;
    } cases[] = {
        {"Rhythm", kListOrder, 1, "rhythm"}, // the typed word, case ignored
        {"rythm", kListOrder, 0, "radon"},   // not listed: the first row
        {"Rhythm", kBest, 0, "Rhythm"},      // the best guess is the typed word, as typed
        {"rythm", kBest, 0, "rhythm"},       // the best guess, not the first in the list
        {"zz", kListOrder, -1, nullptr},     {"zz", kBest, -1, nullptr},
    };
    for (const auto &c : cases) {
        const std::optional<SearchResult> found = engine.Search(c.typed, kMoby, c.order);
        ASSERT_TRUE(found) << c.typed;
        ASSERT_EQ(found->selectedRow, c.selected) << c.typed;
        if (c.word) {
            EXPECT_EQ(found->suggestions[static_cast<std::size_t>(c.selected)].word, c.word)
                << c.typed;
        }
    }
}

TEST(LookupEngine, AListReplacedByOneOfTheSameSizeIsSearchedAfresh)
{
    // One list whose lines are replaced, as the window's words component holds the Word list.
    TextLines moby = Lines({"rhythm", "robert"});
    LookupEngine engine([] { return WordPriors(); });
    engine.SetMobyList(moby);
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kListOrder)), Strings{"rhythm"});
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kBest)), (Strings{"rhythm"}));
    // The same number of lines of the same lengths, in the same list.
    moby = Lines({"robert", "rhythm"});
    engine.SetMobyList(moby);
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kListOrder)), Strings{"rhythm"});
    EXPECT_EQ(Words(engine.Search("robrt", kMoby, kBest)), (Strings{"robert"}));
    moby = Lines({"ruddy", "radon"});
    engine.SetMobyList(moby);
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kListOrder)), Strings{"radon"});
}

TEST(LookupEngine, SearchesTheListsHandedOverWhereTheirOwnerKeepsThem)
{
    const TextLines moby = Lines({"cat", "rhythm"});
    const TextLines websterA = Lines({R"("Azymic","a.","Azymous.")"});
    LookupEngine engine([] { return WordPriors(); });
    engine.SetMobyList(moby);
    engine.SetWebsterList('a', websterA);
    EXPECT_EQ(&engine.MobyList()->Lines(), &moby);
    EXPECT_EQ(&engine.WebsterList('A')->Lines(), &websterA);
    for (SuggestionOrder order : {kListOrder, kBest}) {
        const std::optional<SearchResult> word = engine.Search("rythm", kMoby, order);
        ASSERT_TRUE(word && word->suggestions.size() == 1u);
        EXPECT_EQ(word->suggestions[0].word.data(), moby[1].data());
        const std::optional<SearchResult> entry = engine.Search("azymic", kWebster, order);
        ASSERT_TRUE(entry && entry->suggestions.size() == 1u);
        EXPECT_EQ(entry->suggestions[0].word.data(), websterA[0].data() + 1);
    }
    // Freed, the Webster lists are searched no more; the Word list stays.
    engine.FreeWebsterLists();
    EXPECT_EQ(engine.WebsterList('A'), nullptr);
    EXPECT_EQ(Words(engine.Search("azymic", kWebster, kListOrder)), std::nullopt);
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kListOrder)), Strings{"rhythm"});
}

TEST(LookupEngine, WhatOneOrderBuildsServesTheOther)
{
    const Strings webster = {R"("Bass","n.","A fish.")", R"("Base","a.","Low.")",
                             R"("Bassa","n.","A place.")", R"("Bass","n.","A deep voice.")"};
    // Each order first on a list of its own, then the other on the same list.
    for (bool bestFirst : {true, false}) {
        LookupEngine engine = EngineOver({"bass", "base", "bassa"}, {{'B', webster}});
        Strings moby, mobyBest, websterWords, websterBest;
        for (bool best : {bestFirst, !bestFirst}) {
            const SuggestionOrder order = best ? kBest : kListOrder;
            (best ? mobyBest : moby) = Words(engine.Search("Bassu", kMoby, order)).value();
            (best ? websterBest : websterWords) =
                Words(engine.Search("Bassu", kWebster, order)).value();
        }
        EXPECT_EQ(moby, (Strings{"bass", "base", "bassa"})) << bestFirst;
        EXPECT_EQ(websterWords, (Strings{"Bass", "Base", "Bassa", "Bass"})) << bestFirst;
        ASSERT_FALSE(mobyBest.empty() || websterBest.empty()) << bestFirst;
        EXPECT_EQ(mobyBest.front(), "Bassa") << bestFirst << ": in the typed case";
        EXPECT_EQ(websterBest.front(), "Bassa") << bestFirst;
        EXPECT_EQ(websterBest.size(), 4u) << bestFirst;
    }
}

TEST(LookupEngine, ReadsEachListAndThePriorTableWhenFirstNeeded)
{
    std::vector<std::string> asked;
    int priorLoads = 0;
    bool failNext = false;
    LookupEngine engine(
        [&] {
            ++priorLoads;
            return WordPriors();
        },
        [&](std::string_view name) {
            asked.emplace_back(name);
            if (std::exchange(failNext, false))
                throw EResNotFound(std::string(name));
            return name == kWordListName ? Lines({"rhythm"})
                                         : Lines({R"("Azymic","a.","Azymous.")"});
        });
    EXPECT_EQ(Words(engine.Search("[x", kWebster, kListOrder)), std::nullopt);
    EXPECT_TRUE(asked.empty()) << "no list for that character";

    failNext = true;
    EXPECT_THROW(engine.Search("azymic", kWebster, kListOrder), EResNotFound);
    EXPECT_EQ(Words(engine.Search("1st", kWebster, kListOrder)), Strings{}) << "tried again";
    EXPECT_EQ(Words(engine.Search("azymic", kWebster, kListOrder)), Strings{"Azymic"});
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kListOrder)), Strings{"rhythm"});
    EXPECT_EQ(Words(engine.Search("rhythm", kMoby, kListOrder)), Strings{"rhythm"});
    EXPECT_EQ(asked, (Strings{"A_txt_deflated", "A_txt_deflated", "mobyWordListCompressed"}));
    EXPECT_EQ(priorLoads, 0) << "the prior table only for best guesses";
    engine.Search("rythm", kMoby, kBest);
    engine.Search("azymik", kWebster, kBest);
    EXPECT_EQ(priorLoads, 1);

    // Freed, the Webster lists it read are read again when next needed; a list handed over
    // takes the place of the one it read.
    engine.FreeWebsterLists();
    EXPECT_EQ(engine.WebsterList('A'), nullptr);
    EXPECT_EQ(Words(engine.Search("azymic", kWebster, kListOrder)), Strings{"Azymic"});
    const TextLines handed = Lines({"rhyme"});
    engine.SetMobyList(handed);
    EXPECT_EQ(Words(engine.Search("rhy", kMoby, kListOrder)), Strings{"rhyme"});
    EXPECT_EQ(asked, (Strings{"A_txt_deflated", "A_txt_deflated", "mobyWordListCompressed",
                              "A_txt_deflated"}));
}

// A made-up table: words listed in lower case, with capitals of their own, and a misspelling.
const Strings kCasePriors = {"\t-530\t-",       "boston\t300\tBoston", "iphone\t100\tiPhone",
                             "receive\t400\tk", "recieve\t-200\t-",    "relieve\t200\tk",
                             "usa\t300\tUSA"};

TEST(LookupEngine, BestGuessesAreWrittenInTheTypedCase)
{
    LookupEngine engine =
        EngineOver({"boston", "iphone", "receive", "recieve", "relieve", "usa"}, {}, kCasePriors);
    const struct {
        const char *typed;
        Strings first;
    } cases[] = {
        {"receve", {"receive", "relieve"}},
        {"Receve", {"Receive", "Relieve"}},
        {"RECEVE", {"RECEIVE", "RELIEVE"}},
        {"rECEVE", {"receive", "relieve"}},
        {"boston", {"Boston"}},
        {"Bostn", {"Boston"}},
        {"BOSTON", {"BOSTON"}},
        {"iphone", {"iPhone"}},
        {"Iphone", {"iPhone"}},
        {"IPHONE", {"IPHONE"}},
        {"usa", {"USA"}},
        {"R", {"Receive", "Relieve", "Recieve"}},
    };
    for (const auto &c : cases) {
        const Strings found = Words(engine.Search(c.typed, kMoby, kBest)).value();
        ASSERT_GE(found.size(), c.first.size()) << c.typed;
        EXPECT_EQ(Strings(found.begin(), found.begin() + c.first.size()), c.first) << c.typed;
    }
    // List order shows the list's own words.
    EXPECT_EQ(Words(engine.Search("R", kMoby, kListOrder)),
              (Strings{"receive", "recieve", "relieve"}));
    // A suggestion spelled anew keeps its text when the search's result is gone.
    Suggestion kept = engine.Search("Bostn", kMoby, kBest)->suggestions.at(0);
    engine.Search("RECEVE", kMoby, kBest);
    EXPECT_EQ(kept.word, "Boston");
}

TEST(LookupEngine, KnowsASpellingInTheCaseItIsListedIn)
{
    LookupEngine engine = EngineOver({"boston", "receive"}, {}, kCasePriors);
    const struct {
        const char *word;
        bool known;
    } cases[] = {
        {"receive", true},   {"Receive", true}, {"RECEIVE", true}, {"reCeive", false},
        {"Boston", true},    {"BOSTON", true},  {"boston", false}, {"USA", true},
        {"usa", false},      {"iPhone", true},  {"Iphone", false}, {"recieve", false},
        {"receives", false}, {"", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(engine.IsKnownSpelling(c.word), c.known) << c.word;
}

TEST(LookupEngine, BestGuessesOfferTheKnownSpellingsTheWordListLacks)
{
    const Strings moby = {"web", "websites", "wet"};
    const TextLines &lines = Kept(moby);
    LinesFingerprint fingerprint;
    for (std::string_view line : lines)
        fingerprint.Add(line);
    std::string added;
    for (std::size_t i = 0; i < LinesFingerprint::kBytes; ++i)
        added += static_cast<char>(fingerprint.Value() >> (8 * i) & 0xFF);
    added += "UTC\t-100\nwebsite\t200\n";
    const std::string table = Table({"\t-530\t-", "utc\t-100\tUTC", "web\t400\tk",
                                     "website\t200\tk", "websites\t100\tk", "wet\t300\tk"});
    const auto engineOver = [&](const TextLines &list) {
        LookupEngine engine([=] { return WordPriors(table, added); });
        engine.SetMobyList(list);
        return engine;
    };
    LookupEngine engine = engineOver(lines);
    const struct {
        const char *typed;
        const char *first;
    } cases[] = {{"website", "website"}, {"websit", "website"}, {"Webiste", "Website"},
                 {"utc", "UTC"},         {"UTC", "UTC"},        {"wet", "wet"}};
    for (const auto &c : cases) {
        const Strings found = Words(engine.Search(c.typed, kMoby, kBest)).value();
        ASSERT_FALSE(found.empty()) << c.typed;
        EXPECT_EQ(found.front(), c.first) << c.typed;
    }
    EXPECT_EQ(Words(engine.Search("webs%", kMoby, kBest)), Strings{"websites"})
        << "a prefix: the list's own lines alone";
    EXPECT_EQ(Words(engine.Search("website", kMoby, kListOrder)), (Strings{"websites"}))
        << "list order: the list alone";
    // Made for another list, they are not offered.
    LookupEngine other = engineOver(Kept({"web", "websites", "wet", "wetter"}));
    EXPECT_EQ(Words(other.Search("websit", kMoby, kBest)).value().front(), "websites");
}

TEST(LookupEngine, BestGuessesIgnoreTheSpacesAroundTheTypedText)
{
    LookupEngine engine = EngineOver({"house", "receive", "relieve"}, {}, kCasePriors);
    const Strings recieve = Words(engine.Search("recieve", kMoby, kBest)).value();
    ASSERT_FALSE(recieve.empty());
    for (const char *typed : {" recieve", "recieve\n", "\t recieve \r\n"})
        EXPECT_EQ(Words(engine.Search(typed, kMoby, kBest)).value(), recieve) << typed;
    EXPECT_EQ(Words(engine.Search("house\n", kMoby, kBest)),
              Words(engine.Search("house", kMoby, kBest)));
    EXPECT_EQ(Words(engine.Search("  ", kMoby, kBest)), Strings{}) << "nothing typed";
    EXPECT_EQ(Words(engine.Search("hou se", kMoby, kBest)).value().front(), "house")
        << "inner spaces stay: a slip like any other";
    EXPECT_EQ(Words(engine.Search(" hous", kMoby, kListOrder)), Strings{})
        << "list order compares the text as typed";
}

} // namespace
} // namespace quillby::testing::lookup_engine
