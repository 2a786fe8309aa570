// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// quillby-lookup: the program's embedded lists and searches from the command line.

#include "cli/CheckFiles.h"
#include "cli/CommandLine.h"
#include "cli/IspellPipe.h"
#include "cli/PersonalWords.h"
#include "cli/PipeSession.h"
#include "cli/SpellingJudge.h"
#include "cli/StandardOutput.h"
#include "data/Errors.h"
#include "data/InflateStream.h"
#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
#include "resources/QtResourceStore.h"
#include "text/Codepage1252.h"
#include "text/Spaces.h"

#include <QFile>
#include <QString>

#include <iostream>
#include <string>

namespace {

using namespace quillby;
using cli::LookupRequest;
using cli::StandardOutput;

constexpr const char *kProgram = "quillby-lookup: ";

void PrintSuggestion(StandardOutput &out, const Suggestion &suggestion, bool definitions)
{
    out.WriteText(suggestion.word);
    if (definitions && suggestion.node) {
        out.Put('\t');
        out.WriteText(suggestion.node->PartOfSpeech());
        out.Put('\t');
        out.WriteText(suggestion.node->Definition());
    }
}

// The suggestions to print for `typed`: what the search shows, the selected one alone, or the
// first `max`.
Suggestions Find(LookupEngine &engine, const LookupRequest &request, std::string_view typed)
{
    std::optional<SearchResult> found = engine.Search(typed, request.source, request.order);
    if (!found)
        return {};
    Suggestions &suggestions = found->suggestions;
    if (request.selectedOnly) {
        if (found->selectedRow < 0)
            return {};
        return {suggestions[static_cast<std::size_t>(found->selectedRow)]};
    }
    if (request.max > 0 && suggestions.size() > request.max)
        suggestions.resize(request.max);
    return std::move(suggestions);
}

int Search(LookupEngine &engine, const LookupRequest &request, StandardOutput &out)
{
    const std::string typed = ToCp1252(QString::fromLocal8Bit(request.word));
    for (const Suggestion &suggestion : Find(engine, request, typed)) {
        PrintSuggestion(out, suggestion, request.definitions);
        out.Put('\n');
    }
    return out.Flush() ? 0 : 1;
}

// One output line per input line, in input order: the suggestions separated by tabs.
int SearchEachLine(LookupEngine &engine, const LookupRequest &request, StandardOutput &out)
{
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // As the word box takes it: each character Windows-1252 lacks becomes "?"; spaces and
        // tabs around the word left out.
        const std::string_view word = TrimSpaces(line);
        const std::string typed =
            ToCp1252(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
        const Suggestions found = Find(engine, request, typed);
        for (std::size_t i = 0; i < found.size(); ++i) {
            if (i > 0)
                out.Put('\t');
            PrintSuggestion(out, found[i], false);
        }
        out.Put('\n');
        // Each answer goes out as soon as it is known, for a program that asks word by word.
        if (!out.Flush())
            return 1;
    }
    if (std::cin.bad()) {
        std::cerr << kProgram << "cannot read standard input\n";
        return 1;
    }
    return 0;
}

int PrintList(const ResourceStore &store, std::string_view name, StandardOutput &out)
{
    out.Write(InflateWithProgress(OpenResource(store, kRcData, name), {}).view());
    return out.Flush() ? 0 : 1;
}

int Print(std::string_view text, StandardOutput &out)
{
    out.Write(text);
    return out.Flush() ? 0 : 1;
}

// The personal word list -p names, or the one in the usual place; what kept it from being read
// is said, and the work goes on without it.
cli::PersonalWords ReadPersonalWords(const LookupRequest &request)
{
    cli::PersonalWords personal(
        request.personalList.empty()
            ? cli::PersonalWords::DefaultPath()
            : QFile::decodeName(
                  QByteArray(request.personalList.data(), qsizetype(request.personalList.size()))));
    if (!personal.Problem().isEmpty())
        std::cerr << kProgram << "warning: " << personal.Problem().toStdString()
                  << "; going on without the personal word list\n";
    return personal;
}

int Check(LookupEngine &engine, const LookupRequest &request, StandardOutput &out)
{
    const cli::PersonalWords personal = ReadPersonalWords(request);
    cli::SpellingJudge judge(engine, personal, request.max);
    return cli::CheckFiles(request.files, judge, out);
}

int Pipe(LookupEngine &engine, const LookupRequest &request, StandardOutput &out)
{
    cli::PersonalWords personal = ReadPersonalWords(request);
    cli::SpellingJudge judge(engine, personal, request.max);
    return cli::RunPipeSession(judge, personal, request.utf8Only, QUILLBY_RELEASE, out);
}

constexpr char kVersion[] =
    "quillby-lookup (Quillby) " QUILLBY_RELEASE "\n"
    "Copyright (C) 2026 The Quillby developers\n"
    "License GPL-2.0-or-later: the GNU General Public License, version 2 or any later version.\n"
    "This is free software: you are free to change and redistribute it. There is NO WARRANTY,\n"
    "to the extent permitted by law.\n";

int Run(const LookupRequest &request)
{
    const QtResourceStore store;
    // The lists are read when a search first needs them, and kept by the engine: a Webster
    // search reads one letter's.
    LookupEngine engine(
        [&store] { return LoadWordPriors(store); },
        [&store](std::string_view name) { return LoadListResource(store, name, {}); });
    StandardOutput out;
    switch (request.action) {
    case LookupRequest::Action::Help:
        return Print(cli::UsageText(), out);
    case LookupRequest::Action::Version:
        return Print(kVersion, out);
    case LookupRequest::Action::IspellVersion:
        return Print(cli::IspellPipe::Banner(QUILLBY_RELEASE), out);
    case LookupRequest::Action::Check:
        return Check(engine, request, out);
    case LookupRequest::Action::Pipe:
        return Pipe(engine, request, out);
    case LookupRequest::Action::PrintList:
        return PrintList(store, request.word, out);
    case LookupRequest::Action::SearchEachLine:
        return SearchEachLine(engine, request, out);
    case LookupRequest::Action::Search:
        break;
    }
    return Search(engine, request, out);
}

} // namespace

int main(int argc, char **argv)
{
    const std::variant<LookupRequest, cli::UsageError> parsed =
        cli::ParseCommandLine({argv + 1, argv + argc});
    if (const auto *error = std::get_if<cli::UsageError>(&parsed)) {
        std::cerr << kProgram << error->message << '\n'
                  << cli::SynopsisText() << "Try quillby-lookup --help for more.\n";
        return 2;
    }
    const LookupRequest &request = std::get<LookupRequest>(parsed);
    try {
        return Run(request);
    } catch (const QuillbyError &error) {
        std::cerr << kProgram << error.what() << '\n';
        // For --check, 1 says that it found a misspelled word.
        return request.action == LookupRequest::Action::Check ? 2 : 1;
    }
}
