// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/CommandLine.h"

#include <charconv>
#include <optional>

namespace quillby::cli {

const char kUsage[] =
    "usage: quillby-lookup [--webster] [--definitions] [--selected] [--] WORD\n"
    "       quillby-lookup --best [--max N] [--webster] [--definitions] [--selected] [--] WORD\n"
    "       quillby-lookup [--best] [--max N] [--webster] [--selected] -\n"
    "       quillby-lookup --list NAME\n"
    "       quillby-lookup --version | --help | -h\n"
    "Prints the suggestions the Moby button (or with --webster the Webster button) shows\n"
    "for WORD, one per line; --selected prints only the one it selects; --definitions\n"
    "(with --webster) adds the part of speech and the definition, separated by tabs.\n"
    "--best orders them as best guesses, the likeliest first, and prints the first N\n"
    "(--max N or --max=N, 10 by default; 0 prints all). A WORD of - reads words from\n"
    "standard input, one per line, and prints one line for each: its suggestions separated\n"
    "by tabs. See quillby-lookup(1).\n";

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

// An option as typed, split at its first "=": "--max=3" gives "--max" and "3".
struct Option {
    std::string_view name;
    std::optional<std::string_view> value;
};

Option SplitOption(std::string_view arg)
{
    const std::size_t equals = arg.find('=');
    if (!arg.starts_with("--") || equals == std::string_view::npos)
        return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

// The options that are on or off.
bool IsSwitch(std::string_view name)
{
    return name == "--webster" || name == "--best" || name == "--definitions" ||
           name == "--selected";
}

void SetSwitch(std::string_view name, LookupRequest &request)
{
    if (name == "--webster")
        request.source = WordSource::Webster;
    else if (name == "--best")
        request.order = SuggestionOrder::BestGuesses;
    else if (name == "--definitions")
        request.definitions = true;
    else
        request.selectedOnly = true;
}

UsageError Error(std::string message)
{
    return {std::move(message)};
}

// The options that stand alone: --help, -h, --version, --list NAME.
std::optional<std::variant<LookupRequest, UsageError>>
ParseAlone(const std::vector<std::string_view> &args)
{
    const Option first = SplitOption(args.front());
    LookupRequest request;
    if (first.name == "--help" || first.name == "-h" || first.name == "--version") {
        if (first.value)
            return Error(std::string(first.name) + " takes no value");
        if (args.size() > 1)
            return Error(std::string(first.name) + " takes nothing else");
        request.action = first.name == "--version" ? LookupRequest::Action::Version
                                                   : LookupRequest::Action::Help;
        return request;
    }
    if (first.name != "--list")
        return std::nullopt;
    const std::size_t names = first.value ? args.size() : args.size() - 1;
    if (names == 0 || (first.value && first.value->empty()))
        return Error("--list needs a list name, such as MOBYWORDLISTCOMPRESSED");
    if (names > 1)
        return Error("--list takes one list name and nothing else");
    request.action = LookupRequest::Action::PrintList;
    request.word = first.value ? *first.value : args[1];
    return request;
}

} // namespace

std::variant<LookupRequest, UsageError> ParseCommandLine(const std::vector<std::string_view> &args)
{
    if (args.empty())
        return Error("no word to look up");
    if (auto alone = ParseAlone(args))
        return *alone;

    LookupRequest request;
    std::optional<std::size_t> max;
    std::vector<std::string_view> words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            words.push_back(arg);
            continue;
        }
        const Option option = SplitOption(arg);
        if (option.name == "--max") {
            const std::optional<std::string_view> value =
                option.value ? option.value
                             : (i + 1 < args.size() ? std::optional(args[++i]) : std::nullopt);
            if (!value || value->empty())
                return Error("--max needs a whole number");
            max = WholeNumber(*value);
            if (!max)
                return Error("--max needs a whole number, not " + std::string(*value));
            continue;
        }
        if (option.name == "--") {
            optionsEnded = true;
            continue;
        }
        if (!IsSwitch(option.name)) {
            if (option.name.starts_with("--"))
                return Error("unknown option " + std::string(option.name));
            return Error("unknown option " + std::string(arg) +
                         " (put -- before a word that begins with \"-\")");
        }
        if (option.value)
            return Error(std::string(option.name) + " takes no value");
        SetSwitch(option.name, request);
    }

    if (words.empty())
        return Error("no word to look up");
    if (words.size() > 1)
        return Error("one word at a time, not " + std::to_string(words.size()) +
                     " (put a phrase in quotes, or give - to read words from standard input)");
    if (request.definitions && request.source != WordSource::Webster)
        return Error("--definitions needs --webster");
    request.word = words.front();
    if (request.word == kStandardInput) {
        if (request.definitions)
            return Error("--definitions cannot be used with - (a definition may hold tabs and "
                         "line ends)");
        request.action = LookupRequest::Action::SearchEachLine;
    }
    request.max = max.value_or(request.order == SuggestionOrder::BestGuesses ? 10 : 0);
    return request;
}

} // namespace quillby::cli
