// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/Suggestion.h"

#include "text/CaseFolding.h"

namespace quillby {

int SelectionFor(const Suggestions &suggestions, std::string_view typed)
{
    for (std::size_t i = 0; i < suggestions.size(); ++i) {
        if (SameTextIgnoringCase(suggestions[i].word, typed))
            return static_cast<int>(i);
    }
    return suggestions.empty() ? -1 : 0;
}

} // namespace quillby
