// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Best guesses for any bytes as typed text, over the program's own Word list and prior table:
// they hold every suggestion the Moby search lists, each line once; with a "%" nothing else;
// words equal to the typed text come first.
//
// Input: the typed text.

#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
#include "lookup/WordPriors.h"
#include "resources/QtResourceStore.h"
#include "text/CaseFolding.h"

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

LookupEngine &Engine()
{
    static const QtResourceStore store;
    static LookupEngine engine(
        [] { return LoadWordPriors(store); },
        [](std::string_view name) { return LoadListResource(store, name, {}); });
    return engine;
}

std::vector<const char *> Starts(const Suggestions &found)
{
    std::vector<const char *> starts;
    for (const Suggestion &s : found)
        starts.push_back(s.word.data());
    std::sort(starts.begin(), starts.end());
    return starts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view typed(reinterpret_cast<const char *>(data), size);
    LookupEngine &engine = Engine();
    const SearchResult bestResult =
        *engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses);
    const Suggestions &best = bestResult.suggestions;
    const Suggestions listed =
        engine.Search(typed, WordSource::Moby, SuggestionOrder::ListOrder)->suggestions;
    Check(bestResult.selectedRow == (best.empty() ? -1 : 0));

    const std::vector<const char *> shown = Starts(best);
    Check(std::adjacent_find(shown.begin(), shown.end()) == shown.end());
    for (const Suggestion &s : listed)
        Check(std::binary_search(shown.begin(), shown.end(), s.word.data()));
    if (typed.find('%') != std::string_view::npos)
        Check(best.size() == listed.size());

    bool othersBegun = false;
    for (const Suggestion &s : best) {
        const bool same = SameTextIgnoringCase(s.word, typed);
        Check(!(same && othersBegun));
        othersBegun = othersBegun || !same;
    }
    return 0;
}
