// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"
#include "data/WebsterLists.h"
#include "lookup/SoundexCache.h"
#include "lookup/Suggestion.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// Typed text is matched by prefix when it is shorter than five characters or holds a "%", and
// by sound code otherwise.
bool MatchesByPrefix(std::string_view typed);

// The prefix looked for: the typed text without its first "%" (a second one is literal).
std::string SearchPrefix(std::string_view typed);

// The indices of the lines of `list` whose word matches `typed` by the rule above, in list
// order: what the two searches list.
std::vector<std::size_t> MatchingLines(const TextLines &list, LineKind kind, std::string_view typed,
                                       SoundexCache &codes);

// The Moby search: every word of the list that begins with the typed prefix (ASCII case
// ignored), or whose sound code equals the typed text's, in list order.
Suggestions MobySearch(const TextLines &words, std::string_view typed, SoundexCache &codes);

// The letter of the Webster list searched for `typed`: its first character in ASCII upper case,
// "A" for a character below "A"; none for empty text.
std::optional<char> WebsterLetter(std::string_view typed);

// The Webster list searched for `typed`; null when there is nothing to search (empty text, no
// lists loaded, or no list for that letter), and the search then changes nothing.
const TextLines *WebsterListFor(const WebsterLists *lists, std::string_view typed);

// The Webster search over one letter's list: the entries whose word matches as in the Moby
// search, each with its part of speech and definition.
Suggestions WebsterSearch(const TextLines &list, std::string_view typed, SoundexCache &codes);

} // namespace quillby
