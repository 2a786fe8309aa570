// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// How good best guesses are, beside GNU Aspell (normal mode) on the same words:
// - on a file of real misspellings (`misspelling TAB intended word` per line), how often the
//   intended word comes first, in the first five and in the first ten; only pairs whose
//   intended word is in the Moby list count;
// - right words kept first: the intended words of that file typed as they are, and 2,000 words
//   drawn from the Word list with a fixed seed, each counted when it comes first itself (Aspell:
//   when it accepts the word, or offers it first).
// Aspell runs as a child process when it is installed; its columns are left out otherwise.
//
// usage: bench_guess_quality [FILE] [--misses]
//   FILE defaults to misspellings/norvig1.tsv in the word data folder the build was configured
//   with; it is read when the program runs. --misses lists the pairs not guessed first and the
//   right words that did not come first.

#include "bench/AspellPeer.h"
#include "bench/MisspellingPairs.h"
#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
#include "lookup/WordPriors.h"
#include "resources/QtResourceStore.h"
#include "text/AsciiCase.h"
#include "text/CaseFolding.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using namespace quillby;

using bench::Pair;
using bench::ReadPairs;

// The place of `intended` among the offered words, from 0; -1 when missing.
template <typename Words> int PlaceOf(const Words &offered, std::string_view intended)
{
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (SameTextIgnoringCase(offered[i], intended))
            return static_cast<int>(i);
    }
    return -1;
}

double Percent(int part, int whole)
{
    return whole == 0 ? 0.0 : 100.0 * part / whole;
}

// How often the intended word comes first, in the first five and in the first ten.
struct Places {
    int counted = 0, first = 0, top5 = 0, top10 = 0;
    void Add(int place)
    {
        ++counted;
        first += place == 0;
        top5 += place >= 0 && place < 5;
        top10 += place >= 0 && place < 10;
    }
    void Print(const char *who) const
    {
        std::printf("  %-26s first %5.1f%%  top-5 %5.1f%%  top-10 %5.1f%%\n", who,
                    Percent(first, counted), Percent(top5, counted), Percent(top10, counted));
    }
};

// Words of the list drawn with a fixed seed, each once.
std::vector<std::string> DrawWords(const TextLines &words, std::size_t count)
{
    std::mt19937 random(17);
    std::uniform_int_distribution<std::size_t> line(0, words.size() - 1);
    std::set<std::size_t> drawn;
    while (drawn.size() < std::min(count, words.size()))
        drawn.insert(line(random));
    std::vector<std::string> result;
    for (std::size_t i : drawn)
        result.emplace_back(words[i]);
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    std::string path = QUILLBY_DATA_DIR "/misspellings/norvig1.tsv";
    bool misses = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--misses")
            misses = true;
        else
            path = arg;
    }
    try {
        const std::vector<Pair> allPairs = ReadPairs(path);
        const QtResourceStore store;
        const TextLines words = LoadListResource(store, kWordListName, {});
        std::unordered_set<std::string> inList;
        for (std::string_view word : words)
            inList.insert(AsciiLower(word));
        std::vector<Pair> pairs;
        std::vector<std::string> intendedWords;
        std::unordered_set<std::string> seen;
        for (const Pair &pair : allPairs) {
            if (!inList.count(AsciiLower(pair.intended)))
                continue;
            pairs.push_back(pair);
            if (seen.insert(AsciiLower(pair.intended)).second)
                intendedWords.push_back(pair.intended);
        }
        const std::vector<std::string> drawnWords = DrawWords(words, 2000);

        LookupEngine engine([&store] { return LoadWordPriors(store); });
        engine.SetMobyList(words);
        const auto best = [&engine](const std::string &typed) {
            const std::optional<SearchResult> result =
                engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses);
            std::vector<std::string_view> offered;
            for (const Suggestion &s : result->suggestions)
                offered.push_back(s.word);
            return offered;
        };
        best("warm");

        Places quillby;
        std::vector<double> times;
        for (const Pair &pair : pairs) {
            const auto start = std::chrono::steady_clock::now();
            const std::vector<std::string_view> offered = best(pair.typed);
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            const int place = PlaceOf(offered, pair.intended);
            quillby.Add(place);
            if (misses && place != 0) {
                std::cout << pair.typed << " -> " << pair.intended << " at " << place << ":";
                for (std::size_t i = 0; i < offered.size() && i < 5; ++i)
                    std::cout << ' ' << offered[i];
                std::cout << '\n';
            }
        }
        const auto keptFirst = [&](const std::vector<std::string> &typed) {
            int first = 0;
            for (const std::string &word : typed) {
                const auto offered = best(word);
                const bool isFirst = PlaceOf(offered, word) == 0;
                first += isFirst;
                if (misses && !isFirst) {
                    std::cout << word << " not first:";
                    for (std::size_t i = 0; i < offered.size() && i < 3; ++i)
                        std::cout << ' ' << offered[i];
                    std::cout << '\n';
                }
            }
            return first;
        };
        const int intendedKept = keptFirst(intendedWords);
        const int drawnKept = keptFirst(drawnWords);

        std::sort(times.begin(), times.end());
        const double median = times.empty() ? 0.0 : times[times.size() / 2];
        std::printf("Best guesses on %s: %zu pairs with the intended word in the Moby list, "
                    "median %.3f ms per word\n",
                    path.c_str(), pairs.size(), median);
        quillby.Print("Quillby best guesses");

        std::vector<std::string> asked;
        for (const Pair &pair : pairs)
            asked.push_back(pair.typed);
        asked.insert(asked.end(), intendedWords.begin(), intendedWords.end());
        asked.insert(asked.end(), drawnWords.begin(), drawnWords.end());
        const std::vector<std::vector<std::string>> aspell = bench::AspellSuggestions(asked);
        int aspellIntendedKept = 0, aspellDrawnKept = 0;
        if (!aspell.empty()) {
            Places peer;
            for (std::size_t i = 0; i < pairs.size(); ++i)
                peer.Add(PlaceOf(aspell[i], pairs[i].intended));
            peer.Print("GNU Aspell (normal mode)");
            for (std::size_t i = 0; i < intendedWords.size(); ++i)
                aspellIntendedKept += PlaceOf(aspell[pairs.size() + i], intendedWords[i]) == 0;
            for (std::size_t i = 0; i < drawnWords.size(); ++i)
                aspellDrawnKept +=
                    PlaceOf(aspell[pairs.size() + intendedWords.size() + i], drawnWords[i]) == 0;
        } else {
            std::printf("  GNU Aspell not found: no figures beside these\n");
        }
        std::printf("Right words kept first (Quillby%s):\n", aspell.empty() ? "" : " / Aspell");
        const auto printKept = [&](const char *what, int kept, int aspellKept, std::size_t of) {
            std::printf("  %-44s %5.1f%%", what, Percent(kept, static_cast<int>(of)));
            if (!aspell.empty())
                std::printf(" / %5.1f%%", Percent(aspellKept, static_cast<int>(of)));
            std::printf("  (%zu words)\n", of);
        };
        printKept("intended words of the set, typed as they are", intendedKept, aspellIntendedKept,
                  intendedWords.size());
        printKept("words drawn from the Word list (seed 17)", drawnKept, aspellDrawnKept,
                  drawnWords.size());
    } catch (const std::exception &e) {
        std::cerr << "bench_guess_quality: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
