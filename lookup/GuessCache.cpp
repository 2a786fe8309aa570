// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/GuessCache.h"

namespace quillby {

GuessCache::GuessCache(std::function<WordPriors()> loadPriors)
    : loadPriors_(std::move(loadPriors))
{
}

const WordPriors &GuessCache::Priors()
{
    if (!priors_)
        priors_ = loadPriors_ ? loadPriors_() : WordPriors();
    return *priors_;
}

GuessCache::ListGuesses GuessCache::For(const TextLines &list, LineKind kind, SoundexCache &codes)
{
    const WordPriors &priors = Priors();
    Entry &entry = lists_[{&list, kind}];
    const void *lineTable = list.lines().data();
    const char *firstLine = list.empty() ? nullptr : list[0].data();
    if (!entry.index || entry.lineTable != lineTable || entry.firstLine != firstLine ||
        entry.lineCount != list.size()) {
        entry.index.reset();
        entry.words.clear();
        if (kind == LineKind::DictionaryEntry) {
            entry.words.reserve(list.size());
            for (std::string_view line : list)
                entry.words.push_back(WordOfLine(line, kind));
        }
        const std::span<const std::string_view> words =
            kind == LineKind::Word ? list.lines() : entry.words;
        entry.index = std::make_unique<GuessIndex>(words, codes.Codes(list, kind), priors);
        entry.lineTable = lineTable;
        entry.firstLine = firstLine;
        entry.lineCount = list.size();
    }
    const std::span<const std::string_view> words =
        kind == LineKind::Word ? list.lines() : entry.words;
    return {words, *entry.index};
}

} // namespace quillby
