// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// quillby-lookup: the program's embedded lists and searches from the command line.

#include "data/Errors.h"
#include "data/ListLoader.h"
#include "lookup/BestGuesses.h"
#include "lookup/WordSearch.h"
#include "resources/QtResourceStore.h"
#include "text/Codepage1252.h"

#include <QString>

#include <array>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char *kUsage =
    "usage: quillby-lookup [--webster] [--definitions] [--selected] [--] WORD\n"
    "       quillby-lookup --best [--max N] [--webster] [--definitions] [--selected] [--] WORD\n"
    "       quillby-lookup [--best] [--max N] [--webster] [--selected] -\n"
    "       quillby-lookup --list NAME\n"
    "       quillby-lookup --version | --help\n"
    "Prints the suggestions the Moby button (or with --webster the Webster button) shows\n"
    "for WORD, one per line; --selected prints only the one it selects; --definitions\n"
    "(with --webster) adds the part of speech and the definition, separated by tabs.\n"
    "--best orders them as best guesses, the likeliest first, and prints the first N\n"
    "(--max, 10 by default; 0 prints all). A WORD of - reads words from standard input,\n"
    "one per line, and prints one line for each: its suggestions separated by tabs.\n";

int Usage()
{
    std::cerr << kUsage;
    return 2;
}

// Where a word to look up comes from: the command line, or standard input line by line.
constexpr std::string_view kStandardInput = "-";

struct SearchRequest {
    bool webster = false;
    bool definitions = false;
    bool selectedOnly = false;
    bool best = false;
    // How many suggestions to print; 0 for all.
    std::size_t max = 0;
    std::string_view word;
};

std::optional<std::size_t> Count(std::string_view text)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Reads the options and the one word; none when the command line is not a search request.
std::optional<SearchRequest> ParseSearch(const std::vector<std::string_view> &args)
{
    SearchRequest request;
    std::optional<std::size_t> max;
    std::vector<std::string_view> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            words.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--webster") {
            request.webster = true;
        } else if (arg == "--definitions") {
            request.definitions = true;
        } else if (arg == "--selected") {
            request.selectedOnly = true;
        } else if (arg == "--best") {
            request.best = true;
        } else if (arg == "--max" && i + 1 < args.size() && Count(args[i + 1])) {
            max = Count(args[++i]);
        } else {
            return std::nullopt;
        }
    }
    if (words.size() != 1 || (request.definitions && !request.webster))
        return std::nullopt;
    request.word = words.front();
    request.max = max.value_or(request.best ? 10 : 0);
    return request;
}

void PrintText(std::string_view text1252)
{
    const QByteArray utf8 = quillby::FromCp1252(text1252).toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stdout);
}

void PrintSuggestion(const quillby::Suggestion &suggestion, bool definitions)
{
    PrintText(suggestion.word);
    if (definitions && suggestion.node) {
        std::fputc('\t', stdout);
        PrintText(suggestion.node->PartOfSpeech());
        std::fputc('\t', stdout);
        PrintText(suggestion.node->Definition());
    }
}

// The lists the searches read, each loaded when first needed and kept to the end, and what the
// searches keep between runs.
class Searcher {
public:
    explicit Searcher(const quillby::ResourceStore &store)
        : store_(store)
        , guesses_([&store] { return quillby::LoadWordPriors(store); })
    {
    }

    // The suggestions to print for `typed`, as views into the lists.
    quillby::Suggestions Find(const SearchRequest &request, std::string_view typed)
    {
        quillby::Suggestions found;
        if (request.webster) {
            // Without a list for the typed text's letter the search does nothing.
            const quillby::TextLines *list = WebsterList(typed);
            if (!list)
                return found;
            found = request.best ? quillby::BestWebsterGuesses(*list, typed, codes_, guesses_)
                                 : quillby::WebsterSearch(*list, typed, codes_);
        } else {
            const quillby::TextLines &words = Words();
            found = request.best ? quillby::BestMobyGuesses(words, typed, codes_, guesses_)
                                 : quillby::MobySearch(words, typed, codes_);
        }
        if (request.selectedOnly) {
            const int selected = quillby::SelectionFor(found, typed);
            if (selected < 0)
                return {};
            return {found[static_cast<std::size_t>(selected)]};
        }
        if (request.max > 0 && found.size() > request.max)
            found.resize(request.max);
        return found;
    }

private:
    const quillby::TextLines &Words()
    {
        if (!words_)
            words_ = std::make_unique<quillby::TextLines>(
                quillby::LoadListResource(store_, quillby::kWordListName, {}));
        return *words_;
    }

    const quillby::TextLines *WebsterList(std::string_view typed)
    {
        const std::optional<char> letter = quillby::WebsterLetter(typed);
        if (!letter || *letter < 'A' || *letter > 'Z')
            return nullptr;
        std::unique_ptr<quillby::TextLines> &list = websterLists_[*letter - 'A'];
        if (!list)
            list = std::make_unique<quillby::TextLines>(
                quillby::LoadListResource(store_, quillby::WebsterListName(*letter), {}));
        return list.get();
    }

    const quillby::ResourceStore &store_;
    std::unique_ptr<quillby::TextLines> words_;
    std::array<std::unique_ptr<quillby::TextLines>, 26> websterLists_;
    quillby::SoundexCache codes_;
    quillby::GuessCache guesses_;
};

bool Flushed()
{
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

int Search(const quillby::ResourceStore &store, const SearchRequest &request)
{
    Searcher searcher(store);
    const std::string typed = quillby::ToCp1252(QString::fromLocal8Bit(request.word));
    for (const quillby::Suggestion &suggestion : searcher.Find(request, typed)) {
        PrintSuggestion(suggestion, request.definitions);
        std::fputc('\n', stdout);
    }
    return Flushed() ? 0 : 1;
}

// One output line per input line, in input order: the suggestions separated by tabs.
int SearchEachLine(const quillby::ResourceStore &store, const SearchRequest &request)
{
    Searcher searcher(store);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // As the word box takes it: each character Windows-1252 lacks becomes "?".
        const std::string typed =
            quillby::ToCp1252(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        const quillby::Suggestions found = searcher.Find(request, typed);
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (i > 0)
                std::fputc('\t', stdout);
            PrintSuggestion(found[i], false);
        }
        std::fputc('\n', stdout);
        // Each answer goes out as soon as it is known, for a program that asks word by word.
        if (!Flushed())
            return 1;
    }
    if (std::cin.bad()) {
        std::cerr << "quillby-lookup: cannot read standard input\n";
        return 1;
    }
    return 0;
}

int PrintList(const quillby::ResourceStore &store, std::string_view name)
{
    const quillby::ResourceBytes compressed = quillby::OpenResource(store, quillby::kRcData, name);
    const quillby::TextBuffer text = quillby::InflateWithProgress(compressed, {});
    std::fwrite(text.data(), 1, text.size(), stdout);
    return Flushed() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const quillby::QtResourceStore store;
    try {
        if (args.size() == 1 && args[0] == "--version") {
            std::cout << "quillby-lookup " << QUILLBY_VERSION << '\n';
            return 0;
        }
        if (args.size() == 1 && args[0] == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (!args.empty() && args[0] == "--list")
            return args.size() == 2 ? PrintList(store, args[1]) : Usage();
        const std::optional<SearchRequest> request = ParseSearch(args);
        if (!request)
            return Usage();
        if (request->word != kStandardInput)
            return Search(store, *request);
        if (request->definitions) {
            std::cerr << "quillby-lookup: --definitions cannot be used when the words come from "
                         "standard input (-): a definition may hold tabs and line ends\n";
            return 2;
        }
        std::ios::sync_with_stdio(false);
        return SearchEachLine(store, *request);
    } catch (const quillby::QuillbyError &error) {
        std::cerr << "quillby-lookup: " << error.what() << '\n';
        return 1;
    }
}
