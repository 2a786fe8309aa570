// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/DictionaryEntry.h"

#include <optional>
#include <string_view>
#include <vector>

namespace quillby {

// One suggestion of a search: the word, a view into the searched list, and for a Webster
// suggestion the entry's part of speech and definition.
struct Suggestion {
    std::string_view word;
    std::optional<TinfoNode> node;
};

// A search's suggestions in list order.
using Suggestions = std::vector<Suggestion>;

// The suggestion to select once a search has filled the list: the first one equal to the typed
// text without regard to case, else the first one; -1 when there is none.
int SelectionFor(const Suggestions &suggestions, std::string_view typed);

} // namespace quillby
