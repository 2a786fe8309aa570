// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordSearch.h"

#include "data/DictionaryEntry.h"
#include "lookup/StrRoutines.h"

namespace quillby {

namespace {

// Runs the matching rule of `typed` over `list`; `add(line)` receives each matching line.
template <typename Add>
void ScanList(const TextLines &list, LineKind kind, std::string_view typed, SoundexCache &codes,
              Add add)
{
    if (MatchesByPrefix(typed)) {
        const std::string prefix = AsciiUpper(SearchPrefix(typed));
        if (prefix.empty())
            return;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (StartsWithAsciiUpper(WordOfLine(list[i], kind), prefix))
                add(list[i]);
        }
        return;
    }
    const SoundexKey code = SoundexKeyOf(typed);
    const std::vector<SoundexKey> &lineCodes = codes.Codes(list, kind);
    for (std::size_t i = 0; i < lineCodes.size(); ++i) {
        if (lineCodes[i] == code)
            add(list[i]);
    }
}

} // namespace

bool MatchesByPrefix(std::string_view typed)
{
    return typed.size() < 5 || typed.find('%') != std::string_view::npos;
}

std::string SearchPrefix(std::string_view typed)
{
    std::string prefix(typed);
    if (const std::size_t percent = prefix.find('%'); percent != std::string::npos)
        prefix.erase(percent, 1);
    return prefix;
}

Suggestions MobySearch(const TextLines &words, std::string_view typed, SoundexCache &codes)
{
    Suggestions found;
    ScanList(words, LineKind::Word, typed, codes, [&found](std::string_view line) {
        found.push_back({line, std::nullopt});
    });
    return found;
}

std::optional<char> WebsterLetter(std::string_view typed)
{
    if (typed.empty())
        return std::nullopt;
    const char first = AsciiUpper(typed.front());
    return static_cast<unsigned char>(first) < 'A' ? 'A' : first;
}

const TextLines *WebsterListFor(const WebsterLists *lists, std::string_view typed)
{
    const std::optional<char> letter = WebsterLetter(typed);
    if (!lists || !letter)
        return nullptr;
    return lists->Find(*letter);
}

Suggestions WebsterSearch(const TextLines &list, std::string_view typed, SoundexCache &codes)
{
    Suggestions found;
    ScanList(list, LineKind::DictionaryEntry, typed, codes, [&found](std::string_view line) {
        const DictionaryFields fields = SplitDictionaryLine(line);
        found.push_back({fields.word, TinfoNode(fields.partOfSpeech, fields.definition)});
    });
    return found;
}

} // namespace quillby
