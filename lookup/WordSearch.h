// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "lookup/WordList.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// Typed text is matched by prefix when it is shorter than five characters or holds a "%", and
// by sound code otherwise.
bool MatchesByPrefix(std::string_view typed);

// The prefix looked for, in ASCII upper case as words are compared with it: the typed text
// without its first "%" (a second one is literal).
std::string UpperPrefix(std::string_view typed);

// The lines of `list` whose word matches `typed`, in list order: every word that begins with
// the typed prefix (ASCII case ignored), or whose sound code equals the typed text's. These are
// what the two searches list.
std::vector<std::size_t> MatchingLines(WordList &list, std::string_view typed);

} // namespace quillby
