// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"
#include "lookup/Suggestion.h"
#include "lookup/WordList.h"
#include "lookup/WordPriors.h"

#include <array>
#include <functional>
#include <optional>
#include <string_view>

namespace quillby {

// Where the suggestions come from: the Moby word list, or the Webster list of the typed text's
// first letter.
enum class WordSource { Moby, Webster };

// How the suggestions are ordered: as the list holds them, or as best guesses, the word most
// likely meant first.
enum class SuggestionOrder { ListOrder, BestGuesses };

// What one search shows: its suggestions, views into the searched list, and the row to select,
// -1 when there is none.
struct SearchResult {
    Suggestions suggestions;
    int selectedRow = -1;
};

// The searches of the window and of the command line: one object that owns the loaded lists,
// everything built over them, and the prior table, and that knows which list a search reads.
class LookupEngine {
public:
    // Reads the prior table; called when best guesses are first asked for.
    using PriorsLoader = std::function<WordPriors()>;
    // Reads the list of a resource name (kWordListName, WebsterListName(letter)).
    using ListLoader = std::function<TextLines(std::string_view name)>;

    // With `loadList`, a list the engine lacks is read when a search first needs it. Without,
    // only the lists handed over are searched: the Moby search finds nothing before the Word
    // list is set, and the Webster search of a letter without a list changes nothing.
    explicit LookupEngine(PriorsLoader loadPriors, ListLoader loadList = {});

    // Hand over a loaded list ("A" to "Z" for the Webster lists), replacing the one before and
    // all that was built over it. Suggestions of earlier searches point into the lists they
    // came from: drop them before their list is replaced or freed.
    void SetMobyList(TextLines lines);
    void SetWebsterList(char letter, TextLines lines);
    void FreeWebsterLists();

    // The lists held; null for one not loaded.
    const WordList *MobyList() const;
    const WordList *WebsterList(char letter) const;

    // The suggestions for `typed` from `source` in `order`: in list order the typed word is
    // selected when the list holds it (case ignored), else the first row; as best guesses the
    // first row, the best guess. None when there is nothing to search (Webster with empty
    // text, or with a first character that has no list): the shown list then stays as it is.
    // What loading the prior table or a list raises passes on, and nothing is shown then.
    std::optional<SearchResult> Search(std::string_view typed, WordSource source,
                                       SuggestionOrder order);

private:
    // The list `source` reads for `typed`, loaded now if it can be; null when there is none.
    WordList *ListFor(std::string_view typed, WordSource source);
    const WordPriors &Priors();

    PriorsLoader loadPriors_;
    ListLoader loadList_;
    std::optional<WordPriors> priors_;
    std::optional<WordList> moby_;
    // "A" to "Z".
    std::array<std::optional<WordList>, 26> webster_;
};

} // namespace quillby
