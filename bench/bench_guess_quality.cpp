// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// How good best guesses are, beside GNU Aspell (normal mode) and Hunspell on the same words:
// - on a file of real misspellings (`misspelling TAB intended word` per line), how often the
//   intended word comes first, in the first five and in the first ten; only pairs whose
//   intended word is in the Moby list count;
// - how many of those first fives hold a word that both Aspell and Hunspell reject;
// - right words kept first: the intended words of that file typed as they are, 2,000 words
//   drawn from the Word list with a fixed seed, and every running word of prose (the licence
//   texts every Debian system carries), each counted when it comes first itself, case ignored
//   (a peer: when it accepts the word, or offers it first).
// The peers run as child processes when they are installed; their columns are left out
// otherwise.
//
// usage: bench_guess_quality [FILE] [--misses]
//   FILE defaults to misspellings/norvig1.tsv in the word data folder the build was configured
//   with; it is read when the program runs. --misses lists the pairs not guessed first, the
//   first fives that hold a word both peers reject, and the right words that did not come
//   first.

#include "bench/MisspellingPairs.h"
#include "bench/SpellerPeers.h"
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
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

using namespace quillby;

using bench::Pair;
using bench::ReadPairs;

// The prose whose running words are all spelled right: licence texts of Debian's base-files.
constexpr const char *kProseFolder = "/usr/share/common-licenses/";
const char *const kProse[] = {"GPL-3",    "LGPL-2.1", "Apache-2.0", "MPL-2.0",
                              "GFDL-1.3", "Artistic", "CC0-1.0"};

// The place of `intended` among the offered words, from 0; -1 when missing.
template <typename Words> int PlaceOf(const Words &offered, std::string_view intended)
{
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (SameTextIgnoringCase(offered[i], intended))
            return static_cast<int>(i);
    }
    return -1;
}

double Percent(std::size_t part, std::size_t whole)
{
    return whole == 0 ? 0.0 : 100.0 * double(part) / double(whole);
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

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The running words of a text: runs of letters, with an apostrophe between two letters kept
// ("don't", "Licensor's"); a run that touches a digit ("3rd", "2.1") is no word.
std::vector<std::string> RunningWords(const std::string &text)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto inRun = [&text](std::size_t at) {
            const char c = text[at];
            return IsLetter(c) || (c >= '0' && c <= '9') || c == '\'';
        };
        if (!inRun(i)) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && inRun(end))
            ++end;
        std::string run = text.substr(i, end - i);
        i = end;
        while (!run.empty() && run.front() == '\'')
            run.erase(run.begin());
        while (!run.empty() && run.back() == '\'')
            run.pop_back();
        if (!run.empty() &&
            std::all_of(run.begin(), run.end(), [](char c) { return IsLetter(c) || c == '\''; }))
            words.push_back(run);
    }
    return words;
}

std::optional<std::string> ReadText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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
        struct Prose {
            const char *name;
            std::vector<std::string> words;
        };
        std::vector<Prose> prose;
        for (const char *name : kProse) {
            if (const std::optional<std::string> text = ReadText(kProseFolder + std::string(name)))
                prose.push_back({name, RunningWords(*text)});
        }

        LookupEngine engine([&store] { return LoadWordPriors(store); });
        engine.SetMobyList(words);
        // Each word's best guesses as strings, each word searched once.
        std::map<std::string, std::vector<std::string>> guessed;
        const auto best = [&engine, &guessed](const std::string &typed) {
            const auto known = guessed.find(typed);
            if (known != guessed.end())
                return known->second;
            const std::optional<SearchResult> result =
                engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses);
            std::vector<std::string> offered;
            for (const Suggestion &s : result->suggestions)
                offered.emplace_back(s.word);
            return guessed[typed] = offered;
        };
        best("warm");

        Places quillby;
        std::vector<double> times;
        for (const Pair &pair : pairs) {
            const auto start = std::chrono::steady_clock::now();
            const std::vector<std::string> offered = best(pair.typed);
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
        std::sort(times.begin(), times.end());
        const double median = times.empty() ? 0.0 : times[times.size() / 2];
        std::printf("Best guesses on %s: %zu pairs with the intended word in the Moby list, "
                    "median %.3f ms per word\n",
                    path.c_str(), pairs.size(), median);
        quillby.Print("Quillby best guesses");

        // Every word each peer is asked about, once: the typed and intended words, the drawn
        // words, the running words of prose, and every word of Quillby's first fives.
        std::vector<std::string> asked;
        std::set<std::string> askedOnce;
        const auto ask = [&](const std::string &word) {
            if (askedOnce.insert(word).second)
                asked.push_back(word);
        };
        for (const Pair &pair : pairs) {
            ask(pair.typed);
            for (std::size_t i = 0; i < 5 && i < guessed[pair.typed].size(); ++i)
                ask(guessed[pair.typed][i]);
        }
        std::for_each(intendedWords.begin(), intendedWords.end(), ask);
        std::for_each(drawnWords.begin(), drawnWords.end(), ask);
        for (const Prose &text : prose)
            std::for_each(text.words.begin(), text.words.end(), ask);
        const bench::SpellerPeer peers[] = {bench::Aspell(), bench::Hunspell()};
        std::vector<std::map<std::string, bench::PeerAnswer>> answers;
        for (const bench::SpellerPeer &peer : peers) {
            std::map<std::string, bench::PeerAnswer> byWord;
            const std::vector<bench::PeerAnswer> got = bench::AskPeer(peer, asked);
            for (std::size_t i = 0; i < got.size(); ++i)
                byWord[asked[i]] = got[i];
            if (byWord.empty())
                std::printf("  %s not found: no figures beside these\n", peer.name);
            answers.push_back(std::move(byWord));
        }
        const auto peerFirst = [&](std::size_t peer, const std::string &word) {
            return PlaceOf(answers[peer].at(word).Offered(word), word) == 0;
        };
        for (std::size_t p = 0; p < answers.size(); ++p) {
            if (answers[p].empty())
                continue;
            Places places;
            for (const Pair &pair : pairs)
                places.Add(PlaceOf(answers[p].at(pair.typed).Offered(pair.typed), pair.intended));
            places.Print(peers[p].name);
        }

        if (!answers[0].empty() && !answers[1].empty()) {
            const auto bothReject = [&](const std::string &word) {
                return !answers[0].at(word).accepted && !answers[1].at(word).accepted;
            };
            std::size_t holding = 0, holdingOther = 0;
            for (const Pair &pair : pairs) {
                const std::vector<std::string> &offered = guessed[pair.typed];
                bool any = false, other = false;
                for (std::size_t i = 0; i < 5 && i < offered.size(); ++i) {
                    if (!bothReject(offered[i]))
                        continue;
                    any = true;
                    other = other || !SameTextIgnoringCase(offered[i], pair.typed);
                }
                holding += any;
                holdingOther += other;
                if (misses && any) {
                    std::cout << pair.typed << " first five with a word both peers reject:";
                    for (std::size_t i = 0; i < 5 && i < offered.size(); ++i)
                        std::cout << ' ' << offered[i] << (bothReject(offered[i]) ? "(x)" : "");
                    std::cout << '\n';
                }
            }
            std::printf("First fives holding a word both Aspell and Hunspell reject: %5.1f%% "
                        "(%5.1f%% other than the typed word)\n",
                        Percent(holding, pairs.size()), Percent(holdingOther, pairs.size()));
        }

        std::printf("Right words kept first (Quillby");
        for (std::size_t p = 0; p < answers.size(); ++p)
            std::printf("%s", answers[p].empty() ? "" : p == 0 ? " / Aspell" : " / Hunspell");
        std::printf("):\n");
        // `running` counts every occurrence; `share` prints the share kept, or not kept.
        const auto printKept = [&](const std::string &what, const std::vector<std::string> &typed,
                                   bool notKept) {
            std::size_t kept = 0;
            std::vector<std::size_t> peerKept(answers.size());
            for (const std::string &word : typed) {
                const std::vector<std::string> offered = best(word);
                const bool isFirst = PlaceOf(offered, word) == 0;
                kept += isFirst;
                if (misses && !isFirst) {
                    std::cout << word << " not first:";
                    for (std::size_t i = 0; i < offered.size() && i < 3; ++i)
                        std::cout << ' ' << offered[i];
                    std::cout << '\n';
                }
                for (std::size_t p = 0; p < answers.size(); ++p)
                    peerKept[p] += !answers[p].empty() && peerFirst(p, word);
            }
            const auto share = [&](std::size_t k) {
                return notKept ? Percent(typed.size() - k, typed.size()) : Percent(k, typed.size());
            };
            std::printf("  %-46s %5.2f%%", what.c_str(), share(kept));
            for (std::size_t p = 0; p < answers.size(); ++p) {
                if (!answers[p].empty())
                    std::printf(" / %5.2f%%", share(peerKept[p]));
            }
            std::printf("  (%zu words)\n", typed.size());
            return typed.size() - kept;
        };
        printKept("intended words of the set, typed as they are", intendedWords, false);
        printKept("words drawn from the Word list (seed 17)", drawnWords, false);
        std::printf("Running words of prose not kept first (case ignored):\n");
        std::size_t allRunning = 0, allMissed = 0;
        for (const Prose &text : prose) {
            allMissed += printKept(text.name, text.words, true);
            allRunning += text.words.size();
        }
        std::printf("  %-46s %5.2f%%  (%zu words)\n", "all of them, Quillby",
                    Percent(allMissed, allRunning), allRunning);
    } catch (const std::exception &e) {
        std::cerr << "bench_guess_quality: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
