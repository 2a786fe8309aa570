// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/SoundexCache.h"

#include "data/DictionaryEntry.h"

namespace quillby {

std::string_view WordOfLine(std::string_view line, LineKind kind)
{
    return kind == LineKind::Word ? line : SplitDictionaryLine(line).word;
}

const std::vector<SoundexKey> &SoundexCache::Codes(const TextLines &list, LineKind kind)
{
    Entry &entry = entries_[{&list, kind}];
    const void *lineTable = list.lines().data();
    const char *firstLine = list.empty() ? nullptr : list[0].data();
    if (entry.lineTable == lineTable && entry.firstLine == firstLine &&
        entry.lineCount == list.size() && entry.codes.size() == list.size())
        return entry.codes;

    entry.codes.clear();
    entry.codes.reserve(list.size());
    for (std::string_view line : list)
        entry.codes.push_back(SoundexKeyOf(WordOfLine(line, kind)));
    entry.lineTable = lineTable;
    entry.firstLine = firstLine;
    entry.lineCount = list.size();
    return entry.codes;
}

} // namespace quillby
