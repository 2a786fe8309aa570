// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// quillby-lookup --check on running text, beside GNU Aspell (`aspell list` and `aspell -a`,
// normal mode) on the same text in the same run.
//
// The checking text is made when the benchmark runs: Debian's licence texts (GPL-3, GPL-2,
// LGPL-2.1, Apache-2.0, MPL-2.0, GFDL-1.3 from base-files) with every word that the development
// set of misspellings (read from the word data folder) has misspellings of replaced by one of
// them, in turn. First it prints, for each checker: how many of the misspellings it finds, for
// how many it offers the intended word first, and how many running words it flags on the texts
// as they are. Then it times the check of about 300 KB of that text: quillby-lookup --check,
// aspell -a and aspell list as child processes, start-up included; and in this process the
// check's loop over a warm engine beside a naive check (words split at spaces, every misspelled
// word guessed again, no known-spelling filter).
//
// usage: bench_check_text [--keep DIR] [benchmark options]   (--keep leaves the texts in DIR)

#include "bench/EmbeddedLists.h"
#include "bench/MisspellingPairs.h"
#include "bench/SpellerPeers.h"
#include "cli/PersonalWords.h"
#include "cli/SpellingJudge.h"
#include "cli/TextCheck.h"
#include "lookup/LookupEngine.h"
#include "text/Codepage1252.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace quillby;

const char *const kLicences[] = {"GPL-3", "GPL-2", "LGPL-2.1", "Apache-2.0", "MPL-2.0", "GFDL-1.3"};
constexpr qsizetype kTimedSize = 300 * 1024;

// One word of the text replaced: what was written there instead, and the word meant.
struct Replacement {
    QString typed;
    QString intended;
};

struct CheckingText {
    QByteArray clean;
    QByteArray misspelled;
    std::vector<Replacement> replaced;
};

CheckingText MakeCheckingText()
{
    CheckingText made;
    for (const char *name : kLicences) {
        QFile licence(QStringLiteral("/usr/share/common-licenses/") + QLatin1String(name));
        if (licence.open(QIODevice::ReadOnly))
            made.clean += licence.readAll() + "\n";
    }
    // The misspellings of each intended word, in the set's order.
    QHash<QString, QStringList> misspellings;
    for (const bench::Pair &pair : bench::ReadPairs(QUILLBY_DATA_DIR "/misspellings/norvig1.tsv")) {
        if (pair.typed != pair.intended)
            misspellings[QString::fromStdString(pair.intended)]
                << QString::fromStdString(pair.typed);
    }
    QHash<QString, int> used;
    const QString text = QString::fromUtf8(made.clean);
    QString misspelled;
    qsizetype done = 0;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    for (const QRegularExpressionMatch &match : word.globalMatch(text)) {
        const auto found = misspellings.constFind(match.captured());
        if (found == misspellings.constEnd())
            continue;
        const QString typed = found->at(used[found.key()]++ % found->size());
        misspelled += text.mid(done, match.capturedStart() - done) + typed;
        done = match.capturedEnd();
        made.replaced.push_back({typed, found.key()});
    }
    misspelled += text.mid(done);
    made.misspelled = misspelled.toUtf8();
    return made;
}

QString WriteFile(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return path;
}

// A checker's answer for each word it flags: its first guess, empty when it has none.
using Flagged = QHash<QString, QString>;

QByteArray RunProgram(const QString &program, const QStringList &arguments, const QString &input,
                      double *seconds = nullptr)
{
    QProcess process;
    process.setStandardInputFile(input.isEmpty() ? QProcess::nullDevice() : input);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    if (seconds)
        *seconds = double(timer.nsecsElapsed()) / 1e9;
    return process.readAllStandardOutput();
}

// quillby-lookup --check: "FILE:LINE:COLUMN: WORD ==> GUESS".
std::pair<Flagged, int> QuillbyCheck(const QString &path)
{
    const QByteArray out =
        RunProgram(QStringLiteral(QUILLBY_LOOKUP_PATH), {"--check", "--max", "1", path}, {});
    Flagged flagged;
    int lines = 0;
    for (const QString &line :
         QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        ++lines;
        const QString rest = line.section(QStringLiteral(": "), 1);
        flagged.insert(rest.section(QStringLiteral(" ==>"), 0, 0),
                       rest.section(QStringLiteral("==>"), 1).trimmed());
    }
    return {flagged, lines};
}

// The text with "^" before each line, as an ispell pipe client sends it.
QString PipeInput(const QDir &folder, const QString &name, const QByteArray &text)
{
    QByteArray lines;
    for (const QByteArray &line : text.split('\n'))
        lines += '^' + line + '\n';
    return WriteFile(folder, name, lines);
}

std::pair<Flagged, int> AspellPipe(const QString &pipeInput)
{
    const QByteArray out =
        RunProgram(bench::Aspell().program, bench::Aspell().arguments, pipeInput);
    Flagged flagged;
    int count = 0;
    for (const QString &line : QString::fromUtf8(out).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('&'))) {
            ++count;
            flagged.insert(
                line.section(QLatin1Char(' '), 1, 1),
                line.section(QStringLiteral(": "), 1).section(QStringLiteral(", "), 0, 0));
        } else if (line.startsWith(QLatin1Char('#'))) {
            ++count;
            flagged.insert(line.section(QLatin1Char(' '), 1, 1), QString());
        }
    }
    return {flagged, count};
}

std::pair<Flagged, int> AspellList(const QString &path)
{
    const QByteArray out = RunProgram(bench::Aspell().program, {"list", "--lang=en"}, path);
    Flagged flagged;
    const QStringList words = QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &word : words)
        flagged.insert(word, QString());
    return {flagged, int(words.size())};
}

void PrintRow(const char *who, const Flagged &flagged, int cleanFlags,
              const std::vector<Replacement> &replaced, bool guesses)
{
    int found = 0;
    int first = 0;
    for (const Replacement &r : replaced) {
        const auto answer = flagged.constFind(r.typed);
        if (answer == flagged.constEnd())
            continue;
        ++found;
        first += answer->compare(r.intended, Qt::CaseInsensitive) == 0;
    }
    const double total = double(replaced.size());
    std::printf("  %-24s found %4d (%5.1f%%)", who, found, 100.0 * found / total);
    if (guesses)
        std::printf("  intended first %4d (%5.1f%%)", first, 100.0 * first / total);
    else
        std::printf("  %29s", "");
    std::printf("  clean-text flags %4d\n", cleanFlags);
}

struct Texts {
    QTemporaryDir temporary;
    QDir folder;
    QString timed;
    QString timedPipe;
    QString timedText;
};

Texts &TheTexts()
{
    static Texts texts;
    return texts;
}

void PrintQuality(const QString &keep)
{
    const CheckingText made = MakeCheckingText();
    Texts &texts = TheTexts();
    texts.folder = QDir(keep.isEmpty() ? texts.temporary.path() : keep);
    texts.folder.mkpath(QStringLiteral("."));
    const QString clean = WriteFile(texts.folder, QStringLiteral("clean.txt"), made.clean);
    const QString misspelled =
        WriteFile(texts.folder, QStringLiteral("checking.txt"), made.misspelled);
    QByteArray timed;
    while (timed.size() < kTimedSize)
        timed += made.misspelled;
    timed.truncate(timed.lastIndexOf('\n', kTimedSize) + 1);
    texts.timed = WriteFile(texts.folder, QStringLiteral("timed.txt"), timed);
    texts.timedPipe = PipeInput(texts.folder, QStringLiteral("timed-pipe.txt"), timed);
    texts.timedText = QString::fromUtf8(timed);

    std::printf("Checking text: %zu words replaced by misspellings of them, %lld bytes; timed "
                "text %lld bytes\n",
                made.replaced.size(), static_cast<long long>(made.misspelled.size()),
                static_cast<long long>(timed.size()));
    const auto [quillby, quillbyClean] =
        std::pair(QuillbyCheck(misspelled).first, QuillbyCheck(clean).second);
    PrintRow("quillby-lookup --check", quillby, quillbyClean, made.replaced, true);
    if (bench::Aspell().program.isEmpty()) {
        std::printf("  (aspell is not installed: ./build.sh bench installs it)\n");
        return;
    }
    PrintRow("aspell list", AspellList(misspelled).first, AspellList(clean).second, made.replaced,
             false);
    PrintRow("aspell -a", AspellPipe(PipeInput(texts.folder, "pipe.txt", made.misspelled)).first,
             AspellPipe(PipeInput(texts.folder, "clean-pipe.txt", made.clean)).second,
             made.replaced, true);
}

void RunTimed(benchmark::State &state, const QString &program, const QStringList &arguments,
              const QString &input)
{
    if (program.isEmpty()) {
        state.SkipWithError("aspell is not installed");
        return;
    }
    for (auto _ : state) {
        double seconds = 0.0;
        RunProgram(program, arguments, input, &seconds);
        state.SetIterationTime(seconds);
    }
}

void BM_Check300K_Quillby(benchmark::State &state)
{
    RunTimed(state, QStringLiteral(QUILLBY_LOOKUP_PATH), {"--check", TheTexts().timed}, {});
}

void BM_Check300K_AspellPipe(benchmark::State &state)
{
    RunTimed(state, bench::Aspell().program, bench::Aspell().arguments, TheTexts().timedPipe);
}

void BM_Check300K_AspellList(benchmark::State &state)
{
    RunTimed(state, bench::Aspell().program, {"list", "--lang=en"}, TheTexts().timed);
}

// The check's own loop in this process, over a warm engine; a new judge each time, so every
// misspelled word is guessed again once.
void BM_Check300K_InProcess(benchmark::State &state)
{
    LookupEngine engine = bench::EngineOver(bench::MobyList());
    const cli::PersonalWords personal;
    engine.IsKnownSpelling("warm");
    for (auto _ : state) {
        cli::SpellingJudge judge(engine, personal, 3);
        benchmark::DoNotOptimize(
            cli::CheckText(TheTexts().timedText, judge, [](const cli::Misspelling &) {}));
    }
}

// The naive check: words split at spaces, punctuation cut off their ends, each word not known
// guessed on its own.
void BM_Check300K_Naive(benchmark::State &state)
{
    LookupEngine engine = bench::EngineOver(bench::MobyList());
    engine.IsKnownSpelling("warm");
    const QStringList words =
        TheTexts().timedText.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (auto _ : state) {
        std::size_t flagged = 0;
        for (const QString &word : words) {
            static const QRegularExpression ends(QStringLiteral("^\\W+|\\W+$"));
            const std::string spelling = ToCp1252(QString(word).remove(ends));
            if (spelling.empty() || engine.IsKnownSpelling(spelling))
                continue;
            ++flagged;
            benchmark::DoNotOptimize(
                engine.Search(spelling, WordSource::Moby, SuggestionOrder::BestGuesses));
        }
        state.counters["flagged"] = double(flagged);
    }
}

BENCHMARK(BM_Check300K_Quillby)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check300K_AspellPipe)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check300K_AspellList)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check300K_InProcess)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check300K_Naive)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QString keep;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string_view(argv[i]) == "--keep")
            keep = QString::fromLocal8Bit(argv[i + 1]);
    }
    try {
        PrintQuality(keep);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_check_text: %s\n", error.what());
        return 1;
    }
    std::fflush(stdout);
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--keep") {
            ++i;
            continue;
        }
        rest.push_back(argv[i]);
    }
    int count = int(rest.size());
    benchmark::Initialize(&count, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
