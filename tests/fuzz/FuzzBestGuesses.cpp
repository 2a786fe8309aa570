// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Best guesses for any bytes as typed text, over the program's own Word list and prior table:
// they hold every suggestion the Moby search lists, each line once; with a "%" nothing else;
// known spellings equal to the typed text come first. The list, its sound codes and what best
// guesses build are made once, before the first input, so that thousands of inputs run a second.
//
// Input: the typed text.

#include "data/ListLoader.h"
#include "lookup/BestGuesses.h"
#include "lookup/StrRoutines.h"
#include "lookup/WordPriors.h"
#include "lookup/WordSearch.h"
#include "resources/QtResourceStore.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using namespace quillby;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

struct Lists {
    QtResourceStore store;
    TextLines words = LoadListResource(store, kWordListName, {});
    SoundexCache codes;
    GuessCache cache{[this] { return LoadWordPriors(store); }};
};

Lists *loaded = nullptr;

std::vector<const char *> Starts(const Suggestions &found)
{
    std::vector<const char *> starts;
    for (const Suggestion &s : found)
        starts.push_back(s.word.data());
    std::sort(starts.begin(), starts.end());
    return starts;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static Lists lists;
    // The first search builds everything best guesses keep.
    BestMobyGuesses(lists.words, "rythm", lists.codes, lists.cache);
    loaded = &lists;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view typed(reinterpret_cast<const char *>(data), size);
    Lists &lists = *loaded;
    const Suggestions best = BestMobyGuesses(lists.words, typed, lists.codes, lists.cache);
    const Suggestions listed = MobySearch(lists.words, typed, lists.codes);

    const std::vector<const char *> shown = Starts(best);
    Check(std::adjacent_find(shown.begin(), shown.end()) == shown.end());
    for (const Suggestion &s : listed)
        Check(std::binary_search(shown.begin(), shown.end(), s.word.data()));
    if (typed.find('%') != std::string_view::npos)
        Check(best.size() == listed.size());

    const WordPriors &priors = lists.cache.Priors();
    bool othersBegun = false;
    for (const Suggestion &s : best) {
        const bool typedItself = SameTextIgnoringCase(s.word, typed) && priors.Of(s.word).known;
        Check(!(typedItself && othersBegun));
        othersBegun = othersBegun || !typedItself;
    }
    return 0;
}
