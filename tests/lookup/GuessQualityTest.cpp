// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// How often best guesses put the intended word first on the development set of real
// misspellings, over the program's own Word list and prior table: a floor, so that a change that
// makes the guesses worse cannot land unnoticed. The set is read from the word data folder when
// the test runs; without it the test is skipped. And the table's priors of each line fit the
// Word list they are built into the program with.

#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
#include "lookup/WordPriors.h"
#include "resources/QtResourceStore.h"
#include "text/AsciiCase.h"
#include "text/CaseFolding.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <unordered_set>

namespace quillby {
namespace {

constexpr const char *kDevelopmentSet = QUILLBY_DATA_DIR "/misspellings/norvig1.tsv";
// The share of pairs whose intended word comes first, at least.
constexpr double kFirstPlaceFloor = 0.84;

TEST(GuessQuality, TheIntendedWordComesFirstOftenEnough)
{
    std::ifstream pairs(kDevelopmentSet, std::ios::binary);
    if (!pairs)
        GTEST_SKIP() << "no development set at " << kDevelopmentSet
                     << " (misspelling TAB intended word per line); nothing to measure";
    const QtResourceStore store;
    const TextLines words = LoadListResource(store, kWordListName, {});
    std::unordered_set<std::string> inList;
    for (std::string_view word : words)
        inList.insert(AsciiLower(word));
    LookupEngine engine([&store] { return LoadWordPriors(store); });
    engine.SetMobyList(words);

    int counted = 0;
    int first = 0;
    std::string line;
    while (std::getline(pairs, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || !inList.count(AsciiLower(line.substr(tab + 1))))
            continue;
        const std::string typed = line.substr(0, tab);
        const std::string intended = line.substr(tab + 1);
        ++counted;
        const Suggestions found =
            engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses)->suggestions;
        if (!found.empty() && SameTextIgnoringCase(found.front().word, intended))
            ++first;
    }
    ASSERT_GT(counted, 200) << kDevelopmentSet << " holds too few pairs to measure";
    EXPECT_GE(double(first) / counted, kFirstPlaceFloor)
        << first << " of " << counted << " pairs have the intended word first";
}

// The priors stored line by line beside the table are the embedded Word list's: else the first
// best-guess search would look every word up in the table instead, slower and silently.
TEST(EmbeddedPriors, FitTheEmbeddedWordList)
{
    const QtResourceStore store;
    const TextLines words = LoadListResource(store, kWordListName, {});
    EXPECT_TRUE(LoadWordPriors(store).ListPriorsFit(words.lines()));
}

} // namespace
} // namespace quillby
