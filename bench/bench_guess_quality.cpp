// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// How often best guesses put the intended word first, in the first five and in the first ten,
// over a file of real misspellings (`misspelling TAB intended word` per line), and the median
// time per word. Only pairs whose intended word is in the Moby list count.
//
// usage: bench_guess_quality [FILE] [--misses]
//   FILE defaults to misspellings/norvig1.tsv in the word data folder the build was configured
//   with; it is read when the program runs. --misses lists the pairs not guessed first.

#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
#include "lookup/WordPriors.h"
#include "resources/QtResourceStore.h"
#include "text/AsciiCase.h"
#include "text/CaseFolding.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using namespace quillby;

struct Pair {
    std::string typed;
    std::string intended;
};

std::vector<Pair> ReadPairs(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<Pair> pairs;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            pairs.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return pairs;
}

// The place of `intended` among the suggestions, from 0; -1 when missing.
int PlaceOf(const Suggestions &found, std::string_view intended)
{
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (SameTextIgnoringCase(found[i].word, intended))
            return static_cast<int>(i);
    }
    return -1;
}

double Percent(int part, int whole)
{
    return whole == 0 ? 0.0 : 100.0 * part / whole;
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
        const std::vector<Pair> pairs = ReadPairs(path);
        const QtResourceStore store;
        const TextLines moby = LoadListResource(store, kWordListName, {});
        LookupEngine engine([&store] { return LoadWordPriors(store); });
        engine.SetMobyList(moby);
        std::unordered_set<std::string> inList;
        for (std::string_view word : moby)
            inList.insert(AsciiLower(word));
        const auto best = [&engine](std::string_view typed) {
            return engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses)
                ->suggestions;
        };
        best("warm");

        int counted = 0, first = 0, top5 = 0, top10 = 0;
        std::vector<double> times;
        for (const Pair &pair : pairs) {
            if (!inList.count(AsciiLower(pair.intended)))
                continue;
            ++counted;
            const auto start = std::chrono::steady_clock::now();
            const Suggestions found = best(pair.typed);
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            const int place = PlaceOf(found, pair.intended);
            first += place == 0;
            top5 += place >= 0 && place < 5;
            top10 += place >= 0 && place < 10;
            if (misses && place != 0) {
                std::cout << pair.typed << " -> " << pair.intended << " at " << place << ":";
                for (std::size_t i = 0; i < found.size() && i < 5; ++i)
                    std::cout << ' ' << found[i].word;
                std::cout << '\n';
            }
        }
        std::sort(times.begin(), times.end());
        const double median = times.empty() ? 0.0 : times[times.size() / 2];
        std::printf("Best guesses on %s: %d pairs with the intended word in the Moby list\n",
                    path.c_str(), counted);
        std::printf("  first %.1f%%  top-5 %.1f%%  top-10 %.1f%%  median %.3f ms per word\n",
                    Percent(first, counted), Percent(top5, counted), Percent(top10, counted),
                    median);
    } catch (const std::exception &e) {
        std::cerr << "bench_guess_quality: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
