// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/Options.h"

#include <algorithm>

namespace quillby::cli {

const std::vector<OptionSpec> &Options()
{
    static const std::vector<OptionSpec> options = {
        {OptionId::Best,
         {"--best"},
         {},
         {},
         "order the suggestions as best guesses, likeliest first",
         kSearch},
        {OptionId::Max,
         {"--max"},
         "N",
         "a whole number",
         "at most N suggestions or guesses a word (0: all; default all, 10 with --best or -a, "
         "3 with --check)",
         kSearch | kCheck | kPipe},
        {OptionId::Webster,
         {"--webster"},
         {},
         {},
         "search the 1913 Webster's instead of Moby",
         kSearch},
        {OptionId::Definitions,
         {"--definitions"},
         {},
         {},
         "with --webster: add the part of speech and the definition",
         kSearch},
        {OptionId::Selected,
         {"--selected"},
         {},
         {},
         "print only the suggestion the window selects",
         kSearch},
        {OptionId::Check,
         {"--check"},
         {},
         {},
         "check the running text of each FILE (or standard input) for misspelled words"},
        {OptionId::Pipe, {"-a"}, {}, {}, "answer as an ispell pipe on standard input, for editors"},
        {OptionId::PersonalList,
         {"-p"},
         "FILE",
         "a file name",
         "the personal word list (default $XDG_DATA_HOME/quillby/personal-words.txt)",
         kCheck | kPipe},
        {OptionId::Dictionary,
         {"-d"},
         "NAME",
         "a dictionary name",
         "the dictionary: English only (en, en_US, en_GB, english, ...)",
         kPipe},
        {OptionId::Encoding,
         {"--encoding"},
         "utf-8",
         "an encoding",
         "the pipe's encoding: UTF-8 only",
         kPipe},
        {OptionId::IspellFlag,
         {"-B", "-C", "-m", "-S"},
         {},
         {},
         "ispell flags that editors pass; they change nothing here",
         kPipe},
        {OptionId::List,
         {"--list"},
         "NAME",
         "a list name, such as MOBYWORDLISTCOMPRESSED",
         "print the embedded list NAME as it is stored"},
        {OptionId::IspellVersion, {"-v", "-vv"}, {}, {}, "print the ispell version line"},
        {OptionId::Version, {"--version", "-V"}, {}, {}, "print the program's version"},
        {OptionId::Help, {"--help", "-h"}, {}, {}, "print this text"},
    };
    return options;
}

bool ParsedArguments::Has(OptionId id) const
{
    return std::ranges::any_of(options,
                               [id](const GivenOption &option) { return option.id == id; });
}

std::string_view ParsedArguments::Value(OptionId id) const
{
    std::string_view value;
    for (const GivenOption &option : options) {
        if (option.id == id)
            value = option.value;
    }
    return value;
}

namespace {

const OptionSpec *Find(std::string_view name)
{
    for (const OptionSpec &option : Options()) {
        if (std::ranges::find(option.names, name) != option.names.end())
            return &option;
    }
    return nullptr;
}

UsageError Error(std::string message)
{
    return {std::move(message)};
}

} // namespace

std::variant<ParsedArguments, UsageError> ParseArguments(std::span<const std::string_view> args)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            parsed.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "--max=3": the name, and the value after the first "=".
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view name = arg.substr(0, equals);
        const OptionSpec *option = Find(name);
        if (!option) {
            if (name.starts_with("--"))
                return Error("unknown option " + std::string(name));
            return Error("unknown option " + std::string(arg) +
                         " (put -- before a word that begins with \"-\")");
        }
        if (option->value.empty()) {
            if (equals != std::string_view::npos)
                return Error(std::string(name) + " takes no value");
            parsed.options.push_back({option->id, name, {}});
            continue;
        }
        std::string_view value;
        if (equals != std::string_view::npos)
            value = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        if (value.empty())
            return Error(std::string(name) + " needs " + std::string(option->needs));
        parsed.options.push_back({option->id, name, value});
    }
    return parsed;
}

std::string OptionHelp()
{
    // Names from the third column, what they do from the 24th, wrapped within 79 columns.
    constexpr std::size_t kHelpColumn = 24;
    constexpr std::size_t kWidth = 79;
    std::string text = "Options:\n";
    for (const OptionSpec &option : Options()) {
        std::string line = " ";
        for (std::string_view name : option.names) {
            line += line.size() > 1 ? ", " : " ";
            line += name;
            if (!option.value.empty())
                line += " " + std::string(option.value);
        }
        std::string_view help = option.help;
        while (!help.empty()) {
            if (line.size() >= kHelpColumn) {
                text += line + "\n";
                line.clear();
            }
            line.resize(kHelpColumn, ' ');
            std::size_t cut = help.size();
            if (kHelpColumn + cut > kWidth)
                cut = std::min(help.rfind(' ', kWidth - kHelpColumn), help.size());
            line += help.substr(0, cut);
            help.remove_prefix(std::min(help.size(), cut + 1));
        }
        text += line + "\n";
    }
    return text;
}

} // namespace quillby::cli
