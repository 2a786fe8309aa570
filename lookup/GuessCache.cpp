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

const WordShapes &GuessCache::Shapes(const TextLines &list, LineKind kind)
{
    Entry &entry = shapes_[{&list, kind}];
    const void *lineTable = list.lines().data();
    const char *firstLine = list.empty() ? nullptr : list[0].data();
    if (entry.lineTable != lineTable || entry.firstLine != firstLine ||
        entry.lineCount != list.size()) {
        entry.shapes = WordShapes(list, kind);
        entry.lineTable = lineTable;
        entry.firstLine = firstLine;
        entry.lineCount = list.size();
    }
    return entry.shapes;
}

} // namespace quillby
