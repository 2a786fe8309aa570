// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "cli/Options.h"
#include "lookup/LookupEngine.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillby::cli {

// The usage text of --help.
const std::string &UsageText();
// Its first lines, the ways to run the program, shown after a usage error.
const std::string &SynopsisText();

// What the command line asks for.
struct LookupRequest {
    enum class Action {
        Search,
        SearchEachLine,
        Check,
        Pipe,
        PrintList,
        Version,
        IspellVersion,
        Help
    };
    Action action = Action::Search;
    WordSource source = WordSource::Moby;
    SuggestionOrder order = SuggestionOrder::ListOrder;
    bool definitions = false;
    bool selectedOnly = false;
    // How many suggestions to print for each word; 0 for all.
    std::size_t max = 0;
    // The word to look up (spaces, tabs and line breaks around it left out), or the name of
    // the list to print.
    std::string_view word;
    // The files to check; none for standard input.
    std::vector<std::string_view> files;
    // The personal word list named with -p; empty for the usual place.
    std::string_view personalList;
    // The pipe answers in UTF-8 alone (--encoding=utf-8).
    bool utf8Only = false;
};

std::variant<LookupRequest, UsageError> ParseCommandLine(const std::vector<std::string_view> &args);

} // namespace quillby::cli
