// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Search speed over the program's own lists, each against a naive version of the same search
// run in the same process: a copy per line, upper-cased copies, the sound code of every line
// computed again on every search, one list box insert per suggestion.

#include "app/ActionForm_p.h"
#include "bench/EmbeddedLists.h"
#include "data/DictionaryEntry.h"
#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
#include "lookup/Soundex.h"
#include "resources/QtResourceStore.h"
#include "text/AsciiCase.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace quillby;
using bench::EngineOver;
using bench::MobyList;
using bench::NoList;
using bench::Store;

const TextLines &WebsterS()
{
    static const TextLines list = LoadListResource(Store(), WebsterListName('S'), {});
    return list;
}

// The field reader working on copies: cut the front off a working copy n times.
std::string NaiveExtractField(unsigned n, const std::string &line)
{
    std::string result;
    std::string work = line;
    for (unsigned i = 0; i < n; ++i) {
        work.erase(0, 1);
        const std::size_t p = work.find('"');
        result = p == std::string::npos ? std::string() : work.substr(0, p);
        work.erase(0, p == std::string::npos ? 1 : p + 1 + 1);
    }
    return result;
}

struct NaiveItem {
    std::string word;
    std::unique_ptr<TinfoNode> node;
};

std::vector<NaiveItem> NaiveMobySoundex(const TextLines &list, const std::string &typed)
{
    std::vector<NaiveItem> found;
    const std::string code = Soundex(typed);
    for (std::string_view view : list) {
        const std::string line(view);
        if (Soundex(line) == code)
            found.push_back({line, nullptr});
    }
    return found;
}

std::vector<NaiveItem> NaiveWebsterSoundex(const TextLines &list, const std::string &typed)
{
    std::vector<NaiveItem> found;
    const std::string code = Soundex(typed);
    for (std::string_view view : list) {
        const std::string line(view);
        std::string word = NaiveExtractField(1, line);
        std::string pos = NaiveExtractField(2, line);
        std::string def = NaiveExtractField(3, line);
        if (Soundex(word) == code)
            found.push_back({word, std::make_unique<TinfoNode>(pos, def)});
    }
    return found;
}

void BM_MobySoundex_Naive(benchmark::State &state)
{
    MobyList();
    for (auto _ : state)
        benchmark::DoNotOptimize(NaiveMobySoundex(MobyList(), "rythm"));
}

std::optional<SearchResult> Moby(LookupEngine &engine, std::string_view typed)
{
    return engine.Search(typed, WordSource::Moby, SuggestionOrder::ListOrder);
}

std::optional<SearchResult> Webster(LookupEngine &engine, std::string_view typed)
{
    return engine.Search(typed, WordSource::Webster, SuggestionOrder::ListOrder);
}

// The first search of a list, which computes its sound codes, each time in an engine made
// for it (making and freeing the engine is not timed).
void FirstSearch(benchmark::State &state, const std::function<LookupEngine()> &make,
                 std::string_view typed, WordSource source)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<LookupEngine> engine(make());
        state.ResumeTiming();
        benchmark::DoNotOptimize(engine->Search(typed, source, SuggestionOrder::ListOrder));
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
}

void BM_MobySoundex_FirstSearch(benchmark::State &state)
{
    FirstSearch(
        state, [] { return EngineOver(MobyList()); }, "rythm", WordSource::Moby);
}

void BM_MobySoundex_LaterSearch(benchmark::State &state)
{
    LookupEngine engine = EngineOver(MobyList());
    Moby(engine, "rythm");
    for (auto _ : state)
        benchmark::DoNotOptimize(Moby(engine, "rythm"));
}

void BM_WebsterSoundexS_Naive(benchmark::State &state)
{
    WebsterS();
    for (auto _ : state)
        benchmark::DoNotOptimize(NaiveWebsterSoundex(WebsterS(), "Sentance"));
}

void BM_WebsterSoundexS_FirstSearch(benchmark::State &state)
{
    FirstSearch(
        state, [] { return EngineOver(NoList(), 'S', WebsterS()); }, "Sentance",
        WordSource::Webster);
}

void BM_WebsterSoundexS_LaterSearch(benchmark::State &state)
{
    LookupEngine engine = EngineOver(NoList(), 'S', WebsterS());
    Webster(engine, "Sentance");
    for (auto _ : state)
        benchmark::DoNotOptimize(Webster(engine, "Sentance"));
}

// The prefix "a" shown in a list box filled one item at a time.
void BM_MobyPrefixAShown_Naive(benchmark::State &state)
{
    QListWidget box;
    box.resize(229, 73);
    box.show();
    QApplication::processEvents();
    for (auto _ : state) {
        box.clear();
        const std::string prefix = "A";
        for (std::string_view view : MobyList()) {
            const std::string line(view);
            std::string upper = line;
            for (char &c : upper)
                c = AsciiUpper(c);
            if (upper.find(prefix) == 0)
                box.addItem(QString::fromLatin1(line.data(), qsizetype(line.size())));
        }
        const QList<QListWidgetItem *> found =
            box.findItems(QStringLiteral("a"), Qt::MatchFixedString);
        box.setCurrentRow(found.isEmpty() || box.row(found.front()) <= 0 ? 0
                                                                         : box.row(found.front()));
        box.viewport()->repaint();
        QApplication::processEvents();
    }
}

// The same through the main window: the Moby button's search and the suggestion list.
void BM_MobyPrefixAShown_Window(benchmark::State &state)
{
    TfrmAction form(Store());
    form.show();
    QApplication::processEvents();
    auto *words = form.findChild<QLineEdit *>(QStringLiteral("txtNotes"));
    auto *list = form.findChild<QListView *>(QStringLiteral("cbValues"));
    words->setText(QStringLiteral("a"));
    for (auto _ : state) {
        TfrmActionInspector(form).btLookupClick();
        list->viewport()->repaint();
        QApplication::processEvents();
    }
    if (list->model()->rowCount() != 23801)
        state.SkipWithError("the window did not show the 23,801 suggestions");
}

// The longest text the word box takes: a sound search whose code is that of "rythm", and a
// prefix search (it holds a "%") longer than any word.
constexpr std::size_t kLongestTyped = 32767;

std::string Longest(std::string start)
{
    start.resize(kLongestTyped, 'a');
    return start;
}

void BM_MobySoundex_LongestText(benchmark::State &state)
{
    const std::string typed = Longest("rythm");
    LookupEngine engine = EngineOver(MobyList());
    Moby(engine, typed);
    for (auto _ : state)
        benchmark::DoNotOptimize(Moby(engine, typed));
}

void BM_MobyPrefix_Rhy(benchmark::State &state)
{
    LookupEngine engine = EngineOver(MobyList());
    for (auto _ : state)
        benchmark::DoNotOptimize(Moby(engine, "rhy"));
}

void BM_MobyPrefix_LongestText(benchmark::State &state)
{
    const std::string typed = Longest("rhy%");
    LookupEngine engine = EngineOver(MobyList());
    for (auto _ : state)
        benchmark::DoNotOptimize(Moby(engine, typed));
}

void BM_WebsterSoundexS_LongestText(benchmark::State &state)
{
    const std::string typed = Longest("Sentance");
    LookupEngine engine = EngineOver(NoList(), 'S', WebsterS());
    Webster(engine, typed);
    for (auto _ : state)
        benchmark::DoNotOptimize(Webster(engine, typed));
}

// The Moby button through the main window, from the word box to the selected suggestion.
void MobyShownInWindow(benchmark::State &state, const QString &typed)
{
    TfrmAction form(Store());
    form.show();
    QApplication::processEvents();
    auto *words = form.findChild<QLineEdit *>(QStringLiteral("txtNotes"));
    auto *list = form.findChild<QListView *>(QStringLiteral("cbValues"));
    words->setText(typed);
    if (words->text() != typed)
        state.SkipWithError("the word box did not take the whole text");
    for (auto _ : state) {
        TfrmActionInspector(form).btLookupClick();
        list->viewport()->repaint();
        QApplication::processEvents();
    }
    if (list->model()->rowCount() == 0)
        state.SkipWithError("the window found nothing");
}

void BM_MobySoundexShown_Window(benchmark::State &state)
{
    MobyShownInWindow(state, QStringLiteral("rythm"));
}

void BM_MobySoundexShown_Window_LongestText(benchmark::State &state)
{
    MobyShownInWindow(state, QString::fromLatin1(Longest("rythm")));
}

void Median(benchmark::internal::Benchmark *b)
{
    b->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_MobySoundex_Naive)->Apply(Median);
BENCHMARK(BM_MobySoundex_FirstSearch)->Apply(Median);
BENCHMARK(BM_MobySoundex_LaterSearch)->Apply(Median);
BENCHMARK(BM_WebsterSoundexS_Naive)->Apply(Median);
BENCHMARK(BM_WebsterSoundexS_FirstSearch)->Apply(Median);
BENCHMARK(BM_WebsterSoundexS_LaterSearch)->Apply(Median);
BENCHMARK(BM_MobyPrefixAShown_Naive)->Apply(Median);
BENCHMARK(BM_MobyPrefixAShown_Window)->Apply(Median);
BENCHMARK(BM_MobySoundex_LongestText)->Apply(Median);
BENCHMARK(BM_MobyPrefix_Rhy)->Apply(Median);
BENCHMARK(BM_MobyPrefix_LongestText)->Apply(Median);
BENCHMARK(BM_WebsterSoundexS_LongestText)->Apply(Median);
BENCHMARK(BM_MobySoundexShown_Window)->Apply(Median);
BENCHMARK(BM_MobySoundexShown_Window_LongestText)->Apply(Median);

} // namespace
