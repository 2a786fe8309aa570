// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// quillby-lookup: the program's embedded lists and searches from the command line.

#include "data/Errors.h"
#include "data/ListLoader.h"
#include "lookup/Codepage1252.h"
#include "lookup/WordSearch.h"
#include "resources/QtResourceStore.h"

#include <QString>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char *kUsage =
    "usage: quillby-lookup [--webster] [--definitions] [--selected] [--] WORD\n"
    "       quillby-lookup --list NAME\n"
    "       quillby-lookup --version\n"
    "Prints the suggestions the Moby button (or with --webster the Webster button) shows\n"
    "for WORD, one per line; --selected prints only the one it selects; --definitions\n"
    "(with --webster) adds the part of speech and the definition, separated by tabs.\n";

int Usage()
{
    std::cerr << kUsage;
    return 2;
}

struct SearchRequest {
    bool webster = false;
    bool definitions = false;
    bool selectedOnly = false;
    std::string_view word;
};

// Reads the options and the one word; none when the command line is not a search request.
std::optional<SearchRequest> ParseSearch(const std::vector<std::string_view> &args)
{
    SearchRequest request;
    std::vector<std::string_view> words;
    bool optionsEnded = false;
    for (std::string_view arg : args) {
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
        } else {
            return std::nullopt;
        }
    }
    if (words.size() != 1 || (request.definitions && !request.webster))
        return std::nullopt;
    request.word = words.front();
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
    std::fputc('\n', stdout);
}

int Search(const quillby::ResourceStore &store, const SearchRequest &request)
{
    const std::string typed = quillby::ToCp1252(QString::fromLocal8Bit(request.word));
    // The suggestions are views into the lists: both live until the end.
    quillby::TextLines words;
    quillby::WebsterLists lists;
    quillby::SoundexCache codes;
    quillby::Suggestions found;
    if (request.webster) {
        // Only the list the search reads is loaded; without one the search does nothing.
        const std::optional<char> letter = quillby::WebsterLetter(typed);
        if (letter && *letter >= 'A' && *letter <= 'Z')
            lists.Append(*letter,
                         quillby::LoadListResource(store, quillby::WebsterListName(*letter), {}));
        const quillby::TextLines *list = quillby::WebsterListFor(&lists, typed);
        if (!list)
            return 0;
        found = quillby::WebsterSearch(*list, typed, codes);
    } else {
        words = quillby::LoadListResource(store, quillby::kWordListName, {});
        found = quillby::MobySearch(words, typed, codes);
    }

    if (request.selectedOnly) {
        const int selected = quillby::SelectionFor(found, typed);
        if (selected >= 0)
            PrintSuggestion(found[static_cast<std::size_t>(selected)], request.definitions);
    } else {
        for (const quillby::Suggestion &suggestion : found)
            PrintSuggestion(suggestion, request.definitions);
    }
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

int PrintList(const quillby::ResourceStore &store, std::string_view name)
{
    const quillby::ResourceBytes compressed = quillby::OpenResource(store, quillby::kRcData, name);
    const quillby::TextBuffer text = quillby::InflateWithProgress(compressed, {});
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
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
        if (!args.empty() && args[0] == "--list")
            return args.size() == 2 ? PrintList(store, args[1]) : Usage();
        if (const std::optional<SearchRequest> request = ParseSearch(args))
            return Search(store, *request);
        return Usage();
    } catch (const quillby::QuillbyError &error) {
        std::cerr << "quillby-lookup: " << error.what() << '\n';
        return 1;
    }
}
