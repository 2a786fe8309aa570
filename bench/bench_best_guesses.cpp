// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Best guesses over the program's own Word list: one word warm, the first call with everything
// it builds, and a naive ranking in the same run (the distance of every word of the list worked
// out in full on lower-cased copies). Also the memory of the whole window after start-up and one
// best-guess search.

#include "app/ActionForm.h"
#include "bench/EmbeddedLists.h"
#include "data/ListLoader.h"
#include "lookup/BestGuesses.h"
#include "lookup/LookupEngine.h"
#include "lookup/TypingCost.h"
#include "lookup/WordPriors.h"
#include "resources/QtResourceStore.h"
#include "text/AsciiCase.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace quillby;
using bench::EngineOver;
using bench::MobyList;
using bench::Store;

// Misspellings of our own making, of the usual kinds.
const std::vector<std::string> kTyped = {"rythm",      "recieve", "seperate", "definately",
                                         "acommodate", "teh",     "begining", "wich"};

std::optional<SearchResult> Best(LookupEngine &engine, std::string_view typed)
{
    return engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses);
}

void BM_BestGuesses_Warm(benchmark::State &state)
{
    LookupEngine engine = EngineOver(MobyList());
    for (const std::string &typed : kTyped)
        Best(engine, typed);
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Best(engine, kTyped[next++ % kTyped.size()]));
}

// Everything best guesses build on their first use: the prior table, the words' shapes and the
// sound codes (making and freeing the engine is not timed).
void BM_BestGuesses_FirstCall(benchmark::State &state)
{
    MobyList();
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<LookupEngine> engine(EngineOver(MobyList()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(Best(*engine, "recieve"));
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
}

// The whole table for every word, no limit, no filter.
int FullDistance(const std::string &a, const std::string &b)
{
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

std::vector<std::string> NaiveGuesses(const TextLines &list, const WordPriors &priors,
                                      const std::string &typed)
{
    struct Scored {
        std::string word;
        double score;
    };
    std::vector<Scored> close;
    const std::string lowerTyped = AsciiLower(typed);
    for (std::string_view word : list) {
        const std::string lower = AsciiLower(word);
        if (FullDistance(lowerTyped, lower) <= 2)
            close.push_back({std::string(word),
                             kEditWeight * TypingCost(typed, word) - priors.LogFrequency(word)});
    }
    std::stable_sort(close.begin(), close.end(),
                     [](const Scored &a, const Scored &b) { return a.score < b.score; });
    std::vector<std::string> words;
    for (Scored &s : close)
        words.push_back(std::move(s.word));
    return words;
}

void BM_BestGuesses_Naive(benchmark::State &state)
{
    const WordPriors priors = LoadWordPriors(Store());
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(NaiveGuesses(MobyList(), priors, kTyped[next++ % kTyped.size()]));
}

// Resident memory in MiB, from the kernel's view of this process.
double ResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0.0;
}

// Start-up of the window with all 27 lists, then one Moby search with best guesses on.
void BM_Window_MemoryAfterOneBestSearch(benchmark::State &state)
{
    for (auto _ : state) {
        TfrmAction form(Store());
        form.show();
        QApplication::processEvents();
        const double started = ResidentMiB();
        form.bestGuessesAction()->setChecked(true);
        form.findChild<QLineEdit *>(QStringLiteral("txtNotes"))->setText(QStringLiteral("recieve"));
        form.btLookupClick();
        state.counters["started_MiB"] = started;
        state.counters["after_best_MiB"] = ResidentMiB();
    }
}

// First, so that no list another benchmark keeps counts.
BENCHMARK(BM_Window_MemoryAfterOneBestSearch)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestGuesses_Warm)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestGuesses_FirstCall)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestGuesses_Naive)->Iterations(8)->Unit(benchmark::kMillisecond);

} // namespace
