// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// What the engine decides beyond each search: the row to select, lists and the prior table read
// when first needed, and what it builds over a list kept right for every later search.

#include "data/Errors.h"
#include "data/ListLoader.h"
#include "tests/lookup/LookupTestLists.h"

#include <gtest/gtest.h>

#include <utility>

namespace quillby::testing {
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
        {"Rhythm", kBest, 0, "rhythm"},      // the best guess is the typed word
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
    LookupEngine engine = EngineOver({"rhythm", "robert"});
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kListOrder)), Strings{"rhythm"});
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kBest)), (Strings{"rhythm"}));
    // The same number of lines of the same lengths, where the old ones were.
    engine.SetMobyList(TextLines());
    engine.SetMobyList(Lines({"robert", "rhythm"}));
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kListOrder)), Strings{"rhythm"});
    EXPECT_EQ(Words(engine.Search("robrt", kMoby, kBest)), (Strings{"robert"}));
    engine.SetMobyList(Lines({"ruddy", "radon"}));
    EXPECT_EQ(Words(engine.Search("rythm", kMoby, kListOrder)), Strings{"radon"});
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
        EXPECT_EQ(mobyBest.front(), "bassa") << bestFirst;
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
}

} // namespace
} // namespace quillby::testing
