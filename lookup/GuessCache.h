// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"
#include "lookup/GuessIndex.h"
#include "lookup/SoundexCache.h"
#include "lookup/WordPriors.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace quillby {

// What best guesses build on their first use and keep for the next ones: the table of how
// common words are, read once, and for each searched list its words and their GuessIndex, made
// again for a list that was replaced since.
class GuessCache {
public:
    explicit GuessCache(std::function<WordPriors()> loadPriors);

    // Loads the table on the first call; a failed load raises and is tried again next time.
    const WordPriors &Priors();

    // The word of each line of a list and what best guesses look up in them.
    struct ListGuesses {
        std::span<const std::string_view> words;
        const GuessIndex &index;
    };
    ListGuesses For(const TextLines &list, LineKind kind, SoundexCache &codes);

    // Forgets the lists, as they go.
    void Clear() { lists_.clear(); }

private:
    struct Entry {
        // What the index was made from: the line table and the first line's bytes.
        const void *lineTable = nullptr;
        const char *firstLine = nullptr;
        std::size_t lineCount = 0;
        // The words of dictionary lines; a word list's lines are its words.
        std::vector<std::string_view> words;
        std::unique_ptr<GuessIndex> index;
    };

    std::function<WordPriors()> loadPriors_;
    std::optional<WordPriors> priors_;
    std::map<std::pair<const TextLines *, LineKind>, Entry> lists_;
};

} // namespace quillby
