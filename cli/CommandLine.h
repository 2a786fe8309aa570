// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "lookup/LookupEngine.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillby::cli {

// The usage text of --help, and of every usage error after its message.
extern const char kUsage[];

// What the command line asks for.
struct LookupRequest {
    enum class Action { Search, SearchEachLine, PrintList, Version, Help };
    Action action = Action::Search;
    WordSource source = WordSource::Moby;
    SuggestionOrder order = SuggestionOrder::ListOrder;
    bool definitions = false;
    bool selectedOnly = false;
    // How many suggestions to print for each word; 0 for all.
    std::size_t max = 0;
    // The word to look up, or the name of the list to print.
    std::string_view word;
};

// A command line that asks for nothing the program does, and what is wrong with it, in words
// for the user ("unknown option --bogus").
struct UsageError {
    std::string message;
};

std::variant<LookupRequest, UsageError> ParseCommandLine(const std::vector<std::string_view> &args);

} // namespace quillby::cli
