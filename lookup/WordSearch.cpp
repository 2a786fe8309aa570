// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordSearch.h"

#include "data/DictionaryEntry.h"
#include "lookup/StrRoutines.h"
#include "text/AsciiCase.h"

namespace quillby {

namespace {

// Runs the matching rule of `typed` over `list`; `add(i)` receives the index of each matching
// line, in list order.
template <typename Add>
void ScanList(const TextLines &list, LineKind kind, std::string_view typed, SoundexCache &codes,
              Add add)
{
    if (MatchesByPrefix(typed)) {
        const std::string prefix = AsciiUpper(SearchPrefix(typed));
        if (prefix.empty())
            return;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string_view word = WordOfLine(list[i], kind);
            // Most words differ in the first letter already.
            if (!word.empty() && AsciiUpper(word.front()) != prefix.front())
                continue;
            if (StartsWithAsciiUpper(word, prefix))
                add(i);
        }
        return;
    }
    const SoundexKey code = SoundexKeyOf(typed);
    const std::vector<SoundexKey> &lineCodes = codes.Codes(list, kind);
    for (std::size_t i = 0; i < lineCodes.size(); ++i) {
        if (lineCodes[i] == code)
            add(i);
    }
}

} // namespace

std::vector<std::size_t> MatchingLines(const TextLines &list, LineKind kind, std::string_view typed,
                                       SoundexCache &codes)
{
    std::vector<std::size_t> lines;
    ScanList(list, kind, typed, codes, [&lines](std::size_t i) { lines.push_back(i); });
    return lines;
}

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
    ScanList(words, LineKind::Word, typed, codes, [&](std::size_t i) {
        found.push_back({words[i], std::nullopt});
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
    ScanList(list, LineKind::DictionaryEntry, typed, codes, [&](std::size_t i) {
        const DictionaryFields fields = SplitDictionaryLine(list[i]);
        found.push_back({fields.word, TinfoNode(fields.partOfSpeech, fields.definition)});
    });
    return found;
}

} // namespace quillby
