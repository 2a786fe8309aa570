// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"
#include "lookup/CloseWords.h"
#include "lookup/SoundexCache.h"
#include "lookup/WordPriors.h"

#include <functional>
#include <map>
#include <optional>
#include <utility>

namespace quillby {

// What best guesses build on their first use and keep for the next ones: the table of how
// common words are, read once, and the words of each searched list grouped by shape, made again
// for a list that was replaced since.
class GuessCache {
public:
    explicit GuessCache(std::function<WordPriors()> loadPriors);

    // Loads the table on the first call; a failed load raises and is tried again next time.
    const WordPriors &Priors();
    const WordShapes &Shapes(const TextLines &list, LineKind kind);
    // Forgets the shapes, as the lists they describe go.
    void Clear() { shapes_.clear(); }

private:
    struct Entry {
        // What the shapes were made from: the line table and the first line's bytes.
        const void *lineTable = nullptr;
        const char *firstLine = nullptr;
        std::size_t lineCount = 0;
        WordShapes shapes;
    };

    std::function<WordPriors()> loadPriors_;
    std::optional<WordPriors> priors_;
    std::map<std::pair<const TextLines *, LineKind>, Entry> shapes_;
};

} // namespace quillby
