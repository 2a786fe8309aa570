// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillby::cli {

// Every option of quillby-lookup, declared once: the parser reads them from kOptions, --help
// lists them from it, and a test holds the manual page's list to it.
enum class OptionId {
    Best,
    Max,
    Webster,
    Definitions,
    Selected,
    Check,
    Pipe,
    PersonalList,
    List,
    Version,
    IspellVersion,
    Dictionary,
    Encoding,
    IspellFlag,
    Help,
};

// What the program does, as the options choose: search for words (the default), check text, or
// answer as an ispell pipe. Flags, to say which an option goes with.
enum Mode : unsigned { kSearch = 1, kCheck = 2, kPipe = 4 };

struct OptionSpec {
    OptionId id;
    // Every name the option answers to, the first as --help shows it: "--max", "-V".
    std::vector<std::string_view> names;
    // The value it takes ("N", "FILE"); empty for an option that takes none.
    std::string_view value;
    // What a usage error says it needs when the value is missing ("a whole number").
    std::string_view needs;
    // What it does, in a line of --help.
    std::string_view help;
    // The modes it goes with; 0 for an option that chooses the mode or stands alone.
    unsigned modes = 0;
};

const std::vector<OptionSpec> &Options();

// The options of a command line as given, in order, with their values; and its other arguments.
struct GivenOption {
    OptionId id;
    // As typed: "-h" or "--help".
    std::string_view name;
    std::string_view value;
};
struct ParsedArguments {
    std::vector<GivenOption> options;
    std::vector<std::string_view> operands;

    bool Has(OptionId id) const;
    // The value of the last use of `id`; empty when it was not given.
    std::string_view Value(OptionId id) const;
};

// A command line that asks for nothing the program does, and what is wrong with it, in words
// for the user ("unknown option --bogus").
struct UsageError {
    std::string message;
};

// Splits `args` into options and operands as kOptions declares them: a value after the option
// or after "=" ("--max 3", "--max=3"); "--" ends the options; "-" alone is an operand.
std::variant<ParsedArguments, UsageError> ParseArguments(std::span<const std::string_view> args);

// The option list of --help, one or more lines each, from the table.
std::string OptionHelp();

} // namespace quillby::cli
