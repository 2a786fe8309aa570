// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Best guesses over the program's own Word list: one word warm (the median over the development
// set of misspellings, read from the word data folder, or over a few misspellings of our own
// without it), the first call with everything it builds, and a naive ranking in the same run
// (the distance of every word of the list worked out in full on lower-cased copies). Also the
// memory of the whole window after start-up and one best-guess search, and a batch of 5,000
// words through `quillby-lookup --best --max 10 -`, start-up included, beside GNU Aspell
// (`aspell -a`, normal mode) on the same file, both run as child processes. (Hunspell takes
// about a hundred times as long on misspellings: it is measured on quality alone.)

#include "app/ActionForm_p.h"
#include "bench/EmbeddedLists.h"
#include "bench/MisspellingPairs.h"
#include "bench/SpellerPeers.h"
#include "data/ListLoader.h"
#include "lookup/BestGuesses.h"
#include "lookup/LookupEngine.h"
#include "lookup/TypingCost.h"
#include "lookup/WordPriors.h"
#include "resources/QtResourceStore.h"
#include "text/AsciiCase.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace quillby;
using bench::EngineOver;
using bench::MobyList;
using bench::Store;

// Misspellings of our own making, of the usual kinds, when the development set is missing.
const std::vector<std::string> kTyped = {"rythm",      "recieve", "seperate", "definately",
                                         "acommodate", "teh",     "begining", "wich"};

// The misspellings of the development set, one per pair, or kTyped without it.
const std::vector<std::string> &DevelopmentWords()
{
    static const std::vector<std::string> words = [] {
        std::vector<std::string> typed;
        try {
            for (const bench::Pair &pair :
                 bench::ReadPairs(QUILLBY_DATA_DIR "/misspellings/norvig1.tsv"))
                typed.push_back(pair.typed);
        } catch (const std::runtime_error &) {
            // No development set here: our own misspellings stand in.
        }
        return typed.empty() ? kTyped : typed;
    }();
    return words;
}

std::optional<SearchResult> Best(LookupEngine &engine, std::string_view typed)
{
    return engine.Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses);
}

// Each word of the development set once per iteration, warm: the median time of one word.
void BM_BestGuesses_Warm(benchmark::State &state)
{
    LookupEngine engine = EngineOver(MobyList());
    const std::vector<std::string> &typed = DevelopmentWords();
    for (const std::string &word : typed)
        Best(engine, word);
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (const std::string &word : typed) {
            QElapsedTimer timer;
            timer.start();
            benchmark::DoNotOptimize(Best(engine, word));
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["word_median_ms"] = times[times.size() / 2];
    state.counters["words"] = double(times.size());
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

// 5,000 words drawn from the Word list with a fixed seed, each with one typing slip: a letter
// left out, added, changed, or two swapped.
const QByteArray &BatchOfSlips()
{
    static const QByteArray batch = [] {
        std::mt19937 random(17);
        const TextLines &list = MobyList();
        QByteArray text;
        for (int i = 0; i < 5000; ++i) {
            std::string word(list[random() % list.size()]);
            const std::size_t at = random() % word.size();
            const char letter = static_cast<char>('a' + random() % 26);
            switch (random() % 4) {
            case 0:
                if (word.size() > 1)
                    word.erase(at, 1);
                break;
            case 1:
                word.insert(at, 1, letter);
                break;
            case 2:
                word[at] = letter;
                break;
            default:
                if (at + 1 < word.size())
                    std::swap(word[at], word[at + 1]);
                break;
            }
            text += QByteArray::fromStdString(word) + '\n';
        }
        return text;
    }();
    return batch;
}

// The development set's misspellings again and again up to 5,000 lines.
QByteArray BatchOfMisspellings()
{
    QByteArray text;
    const std::vector<std::string> &typed = DevelopmentWords();
    for (int i = 0; i < 5000; ++i)
        text += QByteArray::fromStdString(typed[i % typed.size()]) + '\n';
    return text;
}

// Runs `program` with `batch` as its standard input; the seconds it took, start included, and
// how many lines it wrote.
struct Run {
    double seconds = 0.0;
    int lines = -1;
};

Run RunOn(const QString &program, const QStringList &arguments, const QByteArray &batch)
{
    QTemporaryFile input;
    if (!input.open() || input.write(batch) != batch.size() || !input.flush())
        return {};
    QProcess process;
    process.setStandardInputFile(input.fileName());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return {};
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    return {seconds, int(process.readAllStandardOutput().count('\n'))};
}

// The batch through quillby-lookup, or through `peer` when it is given.
void RunBatch(benchmark::State &state, const QByteArray &batch,
              const std::optional<bench::SpellerPeer> &peer)
{
    if (peer && !peer->Found()) {
        state.SkipWithError("the peer is not installed");
        return;
    }
    const QString program = peer ? peer->program : QStringLiteral(QUILLBY_LOOKUP_PATH);
    const QStringList arguments =
        peer ? peer->arguments
             : QStringList{QStringLiteral("--best"), QStringLiteral("--max"), QStringLiteral("10"),
                           QStringLiteral("-")};
    for (auto _ : state) {
        const Run run = RunOn(program, arguments, batch);
        if (run.lines < 0) {
            state.SkipWithError("the program failed");
            return;
        }
        // quillby-lookup answers each line with one line.
        if (!peer && run.lines != batch.count('\n')) {
            state.SkipWithError("quillby-lookup did not answer one line per line");
            return;
        }
        state.SetIterationTime(run.seconds);
    }
}

void BM_Batch_Slips_Quillby(benchmark::State &state)
{
    RunBatch(state, BatchOfSlips(), std::nullopt);
}

void BM_Batch_Slips_Aspell(benchmark::State &state)
{
    RunBatch(state, BatchOfSlips(), bench::Aspell());
}

void BM_Batch_Misspellings_Quillby(benchmark::State &state)
{
    RunBatch(state, BatchOfMisspellings(), std::nullopt);
}

void BM_Batch_Misspellings_Aspell(benchmark::State &state)
{
    RunBatch(state, BatchOfMisspellings(), bench::Aspell());
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
        TfrmActionInspector(form).bestGuessesAction()->setChecked(true);
        form.findChild<QLineEdit *>(QStringLiteral("txtNotes"))->setText(QStringLiteral("recieve"));
        TfrmActionInspector(form).btLookupClick();
        state.counters["started_MiB"] = started;
        state.counters["after_best_MiB"] = ResidentMiB();
    }
}

// First, so that no list another benchmark keeps counts.
BENCHMARK(BM_Window_MemoryAfterOneBestSearch)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestGuesses_Warm)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestGuesses_FirstCall)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestGuesses_Naive)->Iterations(8)->Unit(benchmark::kMillisecond);
// The batches side by side, each timed from the start of the program to its end.
BENCHMARK(BM_Batch_Slips_Quillby)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch_Slips_Aspell)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch_Misspellings_Quillby)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch_Misspellings_Aspell)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
