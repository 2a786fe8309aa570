// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"
#include "lookup/StrRoutines.h"

#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace quillby {

// What a list's lines hold: a bare word, or a dictionary line whose first field is the word.
enum class LineKind { Word, DictionaryEntry };

// The sound codes of the words of each searched list, computed on a list's first sound search
// and kept for the next ones. A list that was replaced since is computed again.
class SoundexCache {
public:
    const std::vector<SoundexKey> &Codes(const TextLines &list, LineKind kind);
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        // What the codes were computed from: the line table and the first line's bytes.
        const void *lineTable = nullptr;
        const char *firstLine = nullptr;
        std::size_t lineCount = 0;
        std::vector<SoundexKey> codes;
    };
    std::map<std::pair<const TextLines *, LineKind>, Entry> entries_;
};

// The word a line of `kind` holds.
std::string_view WordOfLine(std::string_view line, LineKind kind);

} // namespace quillby
