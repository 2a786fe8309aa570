// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/DictionaryEntry.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// One suggestion of a search: the word, and for a Webster suggestion the entry's part of speech
// and definition. The word is a view into the searched list, into the known spellings the
// engine offers beside it, or, when best guesses spelled it anew (in the typed case, or with the
// capitals it is listed with), into `spelling`: the text that the suggestions of one search
// share, which each copy of a suggestion keeps.
struct Suggestion {
    std::string_view word;
    std::optional<TinfoNode> node;
    std::shared_ptr<const std::string> spelling = nullptr;
};

// A search's suggestions in list order.
using Suggestions = std::vector<Suggestion>;

// The suggestion to select once a search has filled the list: the first one equal to the typed
// text without regard to case, else the first one; -1 when there is none.
int SelectionFor(const Suggestions &suggestions, std::string_view typed);

} // namespace quillby
