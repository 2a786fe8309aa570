// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"
#include "lookup/Suggestion.h"
#include "lookup/WordList.h"
#include "lookup/WordPriors.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace quillby {

// Where the suggestions come from: the Moby word list, or the Webster list of the typed text's
// first letter.
enum class WordSource { Moby, Webster };

// How the suggestions are ordered: as the list holds them, or as best guesses, the word most
// likely meant first.
enum class SuggestionOrder { ListOrder, BestGuesses };

// What one search shows: its suggestions (each word a view into the searched list, or held as
// Suggestion tells), and the row to select, -1 when there is none.
struct SearchResult {
    Suggestions suggestions;
    int selectedRow = -1;
};

// The searches of the window and of the command line: one object that searches the loaded
// lists, owns everything built over them and the prior table, and knows which list a search
// reads. The lists belong to whoever loaded them: a list handed over is searched where its
// owner keeps it; a list the engine's own loader read is the engine's.
class LookupEngine {
public:
    // Reads the prior table; called when best guesses are first asked for.
    using PriorsLoader = std::function<WordPriors()>;
    // Reads the list of a resource name (kWordListName, WebsterListName(letter)).
    using ListLoader = std::function<TextLines(std::string_view name)>;

    // With `loadList`, a list the engine lacks is read when a search first needs it, and kept
    // by the engine. Without, only the lists handed over are searched: the Moby search finds
    // nothing before the Word list is set, and the Webster search of a letter without a list
    // changes nothing.
    explicit LookupEngine(PriorsLoader loadPriors, ListLoader loadList = {});

    // Search `lines` as the Word list, or as the Webster list of `letter` ("A" to "Z"), from
    // now on, in place of the list before and of all that was built over it. The owner keeps
    // `lines` unchanged until it hands over another list for the same place, the Webster lists
    // are freed, or the engine goes; lines it changes are handed over again. Suggestions of
    // earlier searches point into the lists they came from: drop them before their list
    // changes or goes.
    void SetMobyList(const TextLines &lines);
    void SetWebsterList(char letter, const TextLines &lines);
    // A temporary list would be gone before it is searched.
    void SetMobyList(const TextLines &&) = delete;
    void SetWebsterList(char, const TextLines &&) = delete;
    // Stops searching the Webster lists: what was built over them goes, and so do the lists
    // the engine read itself.
    void FreeWebsterLists();

    // The lists searched; null for one not there.
    const WordList *MobyList() const;
    const WordList *WebsterList(char letter) const;

    // The suggestions for `typed` from `source` in `order`: in list order the typed word is
    // selected when the list holds it (case ignored), else the first row; as best guesses the
    // first row, the best guess. None when there is nothing to search (Webster with empty
    // text, or with a first character that has no list): the shown list then stays as it is.
    // What loading the prior table or a list raises passes on, and nothing is shown then.
    //
    // List order compares the typed text as it is typed, spaces included. Best guesses ignore
    // the spaces, tabs and line ends around it (" recieve" is "recieve"), offer beside the Word
    // list's words the known spellings it lacks ("website"), and write each guess in the typed
    // case: with a first capital when the typed text has one ("Recieve" gives "Receive"), all
    // in capitals when it is ("RECEIVE"); a word listed with capitals of its own keeps them
    // ("boston" gives "Boston").
    std::optional<SearchResult> Search(std::string_view typed, WordSource source,
                                       SuggestionOrder order);

    // Whether `word` (Windows-1252, as written) is a known spelling, as best guesses take it:
    // the word a checker of running text leaves alone. The known spellings are the words of the
    // spell-checker lists SCOWL up to size 60, its English, American and British spellings with
    // its abbreviations and proper names, whether the Moby list holds them or not (also on
    // plain letters: "cafe" for "café"). A word listed in lower case is right in lower case,
    // with a first capital or all in capitals ("house", "House", "HOUSE"); a word listed with
    // capitals of its own is right with those capitals or all in capitals ("Boston" and
    // "BOSTON", "USA", "iPhone"), not in lower case ("boston"). The empty word is none. What
    // loading the prior table raises passes on.
    bool IsKnownSpelling(std::string_view word);

private:
    // One list a search may read: what is built over it, and the list itself when the
    // engine's loader read it.
    struct ListSlot {
        void Set(const TextLines &lines, LineKind kind);
        void Load(TextLines lines, LineKind kind);
        void Free();

        std::unique_ptr<const TextLines> loaded;
        std::optional<WordList> list;
    };

    // The list `source` reads for `typed`, loaded now if it can be; null when there is none.
    WordList *ListFor(std::string_view typed, WordSource source);
    const WordPriors &Priors();

    PriorsLoader loadPriors_;
    ListLoader loadList_;
    std::optional<WordPriors> priors_;
    ListSlot moby_;
    // "A" to "Z".
    std::array<ListSlot, 26> webster_;
};

} // namespace quillby
