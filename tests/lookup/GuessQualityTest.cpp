// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Floors under best guesses over the program's own Word list and prior table, so that a change
// that makes them worse cannot land unnoticed: how often the intended word comes first on the
// development set of real misspellings, and how seldom a right word of running prose (Debian's
// GPL-3 text) does not stay first; and which words the program's own data knows. The set and the
// text are read when the test runs; without them their tests are skipped, except under
// continuous integration (CI set), where a missing file fails. And the table's priors of each
// line, and its known spellings the Word list lacks, fit the Word list they are built in with.

#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
#include "lookup/WordPriors.h"
#include "resources/QtResourceStore.h"
#include "text/AsciiCase.h"
#include "text/CaseFolding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <unordered_set>

namespace quillby {
namespace {

constexpr const char *kDevelopmentSet = QUILLBY_DATA_DIR "/misspellings/norvig1.tsv";
// The share of pairs whose intended word comes first, at least.
constexpr double kFirstPlaceFloor = 0.87;
// Prose every Debian system carries (package base-files), and the share of its running words
// that may not come first, at most.
constexpr const char *kProse = "/usr/share/common-licenses/GPL-3";
constexpr double kFalseAlarmCeiling = 0.01;

// Under continuous integration a missing file is a failure, not a reason to skip.
bool UnderCi()
{
    const char *ci = std::getenv("CI");
    return ci && *ci && std::string(ci) != "0" && std::string(ci) != "false";
}

std::string Missing(const char *file, const char *what)
{
    return std::string("no ") + what + " at " + file;
}

class GuessQuality : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        store_ = new QtResourceStore;
        words_ = new TextLines(LoadListResource(*store_, kWordListName, {}));
        engine_ = new LookupEngine([] { return LoadWordPriors(*store_); });
        engine_->SetMobyList(*words_);
    }
    static void TearDownTestSuite()
    {
        delete engine_;
        delete words_;
        delete store_;
    }

    static std::string First(const std::string &typed)
    {
        const Suggestions found =
            engine_->Search(typed, WordSource::Moby, SuggestionOrder::BestGuesses)->suggestions;
        return found.empty() ? std::string() : std::string(found.front().word);
    }

    static inline QtResourceStore *store_ = nullptr;
    static inline TextLines *words_ = nullptr;
    static inline LookupEngine *engine_ = nullptr;
};

TEST_F(GuessQuality, TheIntendedWordComesFirstOftenEnough)
{
    std::ifstream pairs(kDevelopmentSet, std::ios::binary);
    if (!pairs) {
        const std::string missing = Missing(kDevelopmentSet, "development set");
        if (UnderCi())
            FAIL() << missing << ", and CI is set: fetch it with tools/fetch_data.sh";
        GTEST_SKIP() << missing << " (misspelling TAB intended word per line)";
    }
    std::unordered_set<std::string> inList;
    for (std::string_view word : *words_)
        inList.insert(AsciiLower(word));

    int counted = 0;
    int first = 0;
    std::string line;
    while (std::getline(pairs, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || !inList.count(AsciiLower(line.substr(tab + 1))))
            continue;
        ++counted;
        if (SameTextIgnoringCase(First(line.substr(0, tab)), line.substr(tab + 1)))
            ++first;
    }
    ASSERT_GT(counted, 200) << kDevelopmentSet << " holds too few pairs to measure";
    EXPECT_GE(double(first) / counted, kFirstPlaceFloor)
        << first << " of " << counted << " pairs have the intended word first";
}

TEST_F(GuessQuality, TheRightWordsOfProseStayFirst)
{
    std::ifstream in(kProse, std::ios::binary);
    if (!in) {
        if (UnderCi())
            FAIL() << Missing(kProse, "licence text") << ", and CI is set";
        GTEST_SKIP() << Missing(kProse, "licence text");
    }
    std::ostringstream read;
    read << in.rdbuf();
    const std::string text = read.str();
    // The running words: runs of letters with an apostrophe between two letters kept; a run
    // that touches a digit is no word. Each is looked up once, and counted as often as it runs.
    std::map<std::string, int> running;
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto inRun = [&](char c) { return isLetter(c) || (c >= '0' && c <= '9') || c == '\''; };
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        while (end < text.size() && inRun(text[end]))
            ++end;
        std::string run = text.substr(i, end - i);
        i = end == i ? i + 1 : end;
        while (!run.empty() && run.back() == '\'')
            run.pop_back();
        while (!run.empty() && run.front() == '\'')
            run.erase(run.begin());
        if (!run.empty() &&
            std::all_of(run.begin(), run.end(), [&](char c) { return isLetter(c) || c == '\''; }))
            ++running[run];
    }
    int all = 0;
    int notFirst = 0;
    std::string missed;
    for (const auto &[word, times] : running) {
        all += times;
        // In the case it is written: "GNU" stays "GNU", "The" stays "The".
        if (First(word) != word) {
            notFirst += times;
            missed += " " + word;
        }
    }
    ASSERT_GT(all, 5000) << kProse << " holds too few words to measure";
    EXPECT_LE(double(notFirst) / all, kFalseAlarmCeiling)
        << notFirst << " of " << all << " running words not first:" << missed;
}

// What a checker of running text asks of the program's own table and lists.
TEST_F(GuessQuality, TheProgramsOwnDataKnowsTheRightWordsInTheirCase)
{
    for (const char *known :
         {"Boston", "BOSTON", "Tuesday", "USA", "etc", "website", "authorises", "The", "iPhone"})
        EXPECT_TRUE(engine_->IsKnownSpelling(known)) << known;
    for (const char *unknown : {"boston", "tuesday", "usa", "sentense", "wierd", "recieve",
                                "belive", "develope", "heighth"})
        EXPECT_FALSE(engine_->IsKnownSpelling(unknown)) << unknown;
    const struct {
        const char *typed, *first;
    } cases[] = {{"sentense", "sentence"}, {"wierd", "weird"},          {"recieve", "receive"},
                 {"Recieve", "Receive"},   {"RECIEVE", "RECEIVE"},      {"boston", "Boston"},
                 {"websites", "websites"}, {"converting", "converting"}};
    for (const auto &c : cases)
        EXPECT_EQ(First(c.typed), c.first) << c.typed;
}

// The priors stored line by line beside the table are the embedded Word list's: else the first
// best-guess search would look every word up in the table instead, slower and silently.
TEST(EmbeddedPriors, FitTheEmbeddedWordList)
{
    const QtResourceStore store;
    const TextLines words = LoadListResource(store, kWordListName, {});
    const WordPriors::ListPriors priors = LoadWordPriors(store).ForList(words.lines());
    EXPECT_TRUE(priors.fromListPriors);
    // Made for another list, the known spellings it lacks would silently not be offered.
    EXPECT_FALSE(priors.added.empty());
}

} // namespace
} // namespace quillby
