// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/CommandLine.h"

#include "cli/IspellNames.h"
#include "data/ListLoader.h"
#include "text/AsciiCase.h"
#include "text/Spaces.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace quillby::cli {

const std::string &SynopsisText()
{
    static const std::string synopsis =
        "usage: quillby-lookup [--best] [--max N] [--webster] [--definitions] [--selected] [--] "
        "WORD\n"
        "       quillby-lookup [--best] [--max N] [--webster] [--selected] -\n"
        "       quillby-lookup --check [--max N] [-p FILE] [FILE...]\n"
        "       quillby-lookup -a [--max N] [-p FILE] [-d NAME] [-B] [-C] [-m] [-S]\n"
        "       quillby-lookup --list NAME | --version | -V | -v | --help | -h\n";
    return synopsis;
}

const std::string &UsageText()
{
    static const std::string usage =
        SynopsisText() +
        "Prints the suggestions the Moby button (or with --webster the Webster button) shows\n"
        "for WORD, one per line; --best orders them as best guesses, the likeliest first. A\n"
        "WORD of - reads words from standard input, one per line, and prints one line for\n"
        "each: its suggestions separated by tabs. --check prints each misspelled word of the\n"
        "text as FILE:LINE:COLUMN: WORD ==> GUESS, GUESS, GUESS; -a answers as an ispell pipe,\n"
        "for editors. Words of the personal word list are right in both.\n\n" +
        OptionHelp() + "\nSee quillby-lookup(1).\n";
    return usage;
}

namespace {

// Where the words come from when WORD is this: standard input, line by line.
constexpr std::string_view kStandardInput = "-";

std::optional<std::size_t> WholeNumber(std::string_view text)
{
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

UsageError Error(std::string message)
{
    return {std::move(message)};
}

const OptionSpec &SpecOf(OptionId id)
{
    for (const OptionSpec &option : Options()) {
        if (option.id == id)
            return option;
    }
    return Options().front();
}

// "--check or -a": the options that choose the modes in `modes`.
std::string ModeNames(unsigned modes)
{
    std::string names;
    if (modes & kSearch)
        names = "a search";
    for (auto [mode, name] : {std::pair(kCheck, "--check"), std::pair(kPipe, "-a")}) {
        if (modes & mode)
            names += (names.empty() ? "" : " or ") + std::string(name);
    }
    return names;
}

// The names of the lists, as the resources are named: MOBYWORDLISTCOMPRESSED, A_TXT_DEFLATED, ...
std::string ListNames()
{
    std::string names;
    for (const std::string &name : AllListNames())
        names += (names.empty() ? "" : ", ") + AsciiUpper(name);
    return names;
}

bool IsListName(std::string_view name)
{
    const std::string upper = AsciiUpper(name);
    return std::ranges::any_of(
        AllListNames(), [&upper](const std::string &list) { return AsciiUpper(list) == upper; });
}

// The option that chooses what the program does, if one does; a usage error for two.
std::variant<const GivenOption *, UsageError> ModeOption(const ParsedArguments &parsed)
{
    const GivenOption *chosen = nullptr;
    for (const GivenOption &option : parsed.options) {
        if (SpecOf(option.id).modes != 0)
            continue;
        if (chosen && chosen->id != option.id)
            return Error(std::string(chosen->name) + " and " + std::string(option.name) +
                         " cannot be used together");
        chosen = &option;
    }
    return chosen;
}

// Every option given goes with `mode`, chosen by `chosenBy` (null for a search).
std::optional<UsageError> CheckOptionsGoWith(const ParsedArguments &parsed, Mode mode,
                                             const GivenOption *chosenBy)
{
    for (const GivenOption &option : parsed.options) {
        const unsigned modes = SpecOf(option.id).modes;
        if (modes == 0 || (modes & mode))
            continue;
        if (chosenBy)
            return Error(std::string(option.name) + " cannot be used with " +
                         std::string(chosenBy->name));
        return Error(std::string(option.name) + " goes with " + ModeNames(modes));
    }
    return std::nullopt;
}

std::optional<UsageError> ReadMax(const ParsedArguments &parsed, std::size_t otherwise,
                                  LookupRequest &request)
{
    request.max = otherwise;
    if (!parsed.Has(OptionId::Max))
        return std::nullopt;
    const std::string_view value = parsed.Value(OptionId::Max);
    const std::optional<std::size_t> max = WholeNumber(value);
    if (!max)
        return Error("--max needs a whole number, not " + std::string(value));
    request.max = *max;
    return std::nullopt;
}

// --help, --version, -v and --list NAME, which stand alone.
std::variant<LookupRequest, UsageError> StandAlone(const ParsedArguments &parsed,
                                                   const GivenOption &option)
{
    LookupRequest request;
    if (option.id == OptionId::List) {
        if (parsed.options.size() > 1 || !parsed.operands.empty())
            return Error("--list takes one list name and nothing else");
        if (!IsListName(option.value))
            return Error("no list named " + std::string(option.value) + "; the lists are " +
                         ListNames());
        request.action = LookupRequest::Action::PrintList;
        request.word = option.value;
        return request;
    }
    if (parsed.options.size() > 1 || !parsed.operands.empty())
        return Error(std::string(option.name) + " takes nothing else");
    request.action = option.id == OptionId::Help      ? LookupRequest::Action::Help
                     : option.id == OptionId::Version ? LookupRequest::Action::Version
                                                      : LookupRequest::Action::IspellVersion;
    return request;
}

std::variant<LookupRequest, UsageError> Check(const ParsedArguments &parsed)
{
    LookupRequest request;
    request.action = LookupRequest::Action::Check;
    request.files = parsed.operands;
    request.personalList = parsed.Value(OptionId::PersonalList);
    if (auto error = ReadMax(parsed, 3, request))
        return *error;
    return request;
}

std::variant<LookupRequest, UsageError> Pipe(const ParsedArguments &parsed)
{
    LookupRequest request;
    request.action = LookupRequest::Action::Pipe;
    if (!parsed.operands.empty())
        return Error("-a reads standard input and takes no word or file, not " +
                     std::string(parsed.operands.front()));
    const std::string_view dictionary = parsed.Value(OptionId::Dictionary);
    if (!dictionary.empty() && !IsEnglishDictionary(dictionary))
        return Error("no dictionary " + std::string(dictionary) +
                     ": quillby-lookup checks English only (-d en, en_US, en_GB, ...)");
    const std::string_view encoding = parsed.Value(OptionId::Encoding);
    if (!encoding.empty() && !IsUtf8Name(encoding))
        return Error("--encoding=" + std::string(encoding) + ": the pipe speaks UTF-8 only");
    request.utf8Only = !encoding.empty();
    request.personalList = parsed.Value(OptionId::PersonalList);
    if (auto error = ReadMax(parsed, 10, request))
        return *error;
    return request;
}

std::variant<LookupRequest, UsageError> Search(const ParsedArguments &parsed)
{
    LookupRequest request;
    request.source = parsed.Has(OptionId::Webster) ? WordSource::Webster : WordSource::Moby;
    request.order =
        parsed.Has(OptionId::Best) ? SuggestionOrder::BestGuesses : SuggestionOrder::ListOrder;
    request.definitions = parsed.Has(OptionId::Definitions);
    request.selectedOnly = parsed.Has(OptionId::Selected);
    if (auto error =
            ReadMax(parsed, request.order == SuggestionOrder::BestGuesses ? 10 : 0, request))
        return *error;

    const std::vector<std::string_view> &words = parsed.operands;
    if (words.empty())
        return Error("no word to look up");
    if (words.size() > 1)
        return Error("one word at a time, not " + std::to_string(words.size()) +
                     " (put a phrase in quotes, or give - to read words from standard input)");
    if (request.definitions && request.source != WordSource::Webster)
        return Error("--definitions needs --webster");
    if (words.front() == kStandardInput) {
        if (request.definitions)
            return Error("--definitions cannot be used with - (a definition may hold tabs and "
                         "line ends)");
        request.action = LookupRequest::Action::SearchEachLine;
        return request;
    }
    request.word = TrimSpaces(words.front());
    if (request.word.empty())
        return Error("no word to look up: the word given is empty");
    return request;
}

} // namespace

std::variant<LookupRequest, UsageError> ParseCommandLine(const std::vector<std::string_view> &args)
{
    if (args.empty())
        return Error("no word to look up");
    std::variant<ParsedArguments, UsageError> split = ParseArguments(args);
    if (auto *error = std::get_if<UsageError>(&split))
        return *error;
    const ParsedArguments &parsed = std::get<ParsedArguments>(split);

    std::variant<const GivenOption *, UsageError> mode = ModeOption(parsed);
    if (auto *error = std::get_if<UsageError>(&mode))
        return *error;
    const GivenOption *chosenBy = std::get<const GivenOption *>(mode);
    if (!chosenBy) {
        if (auto error = CheckOptionsGoWith(parsed, kSearch, nullptr))
            return *error;
        return Search(parsed);
    }
    if (chosenBy->id == OptionId::Check || chosenBy->id == OptionId::Pipe) {
        const Mode chosen = chosenBy->id == OptionId::Check ? kCheck : kPipe;
        if (auto error = CheckOptionsGoWith(parsed, chosen, chosenBy))
            return *error;
        return chosen == kCheck ? Check(parsed) : Pipe(parsed);
    }
    return StandAlone(parsed, *chosenBy);
}

} // namespace quillby::cli
