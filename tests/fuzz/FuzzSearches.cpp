// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The two searches on an arbitrary typed text over a small list made from the rest of the
// input: the suggestions are exactly the matching lines in list order, a Webster suggestion
// begins with the character looked for, a second search with the kept sound codes finds the
// same, and the selection is always inside the list.
//
// Input: the typed text, a LF, then the list's text (lines end at CR, LF or CR LF). The same
// lines serve as the Moby list and, read as dictionary entries, as the Webster list of the
// typed text's letter.

#include "data/DictionaryEntry.h"
#include "data/TextLines.h"
#include "data/WebsterLists.h"
#include "lookup/SoundexCache.h"
#include "lookup/StrRoutines.h"
#include "lookup/Suggestion.h"
#include "lookup/WordSearch.h"
#include "text/CaseFolding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quillby;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The matching rule written out on its own: a prefix without its first "%" for short text or
// text holding "%", compared ignoring ASCII case; else equal sound codes.
bool Matches(std::string_view word, std::string_view typed)
{
    const std::size_t percent = typed.find('%');
    if (typed.size() >= 5 && percent == std::string_view::npos)
        return Soundex(word) == Soundex(typed);
    std::string prefix(typed);
    if (percent != std::string_view::npos)
        prefix.erase(percent, 1);
    if (prefix.empty() || word.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Upper(word[i]) != Upper(prefix[i]))
            return false;
    }
    return true;
}

void CheckSelection(const Suggestions &found, std::string_view typed)
{
    const int row = SelectionFor(found, typed);
    if (found.empty()) {
        Check(row == -1);
        return;
    }
    Check(row >= 0 && static_cast<std::size_t>(row) < found.size());
    for (int i = 0; i < row; ++i)
        Check(!SameTextIgnoringCase(found[i].word, typed));
    Check(row == 0 || SameTextIgnoringCase(found[row].word, typed));
}

bool SameSuggestions(const Suggestions &a, const Suggestions &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].word.data() != b[i].word.data() || a[i].word.size() != b[i].word.size() ||
            a[i].node.has_value() != b[i].node.has_value())
            return false;
    }
    return true;
}

void CheckMoby(const TextLines &list, std::string_view typed)
{
    SoundexCache codes;
    const Suggestions found = MobySearch(list, typed, codes);
    std::size_t next = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!Matches(list[i], typed))
            continue;
        Check(next < found.size());
        Check(found[next].word.data() == list[i].data() && found[next].word == list[i]);
        Check(!found[next].node);
        ++next;
    }
    Check(next == found.size());
    Check(SameSuggestions(found, MobySearch(list, typed, codes)));
    CheckSelection(found, typed);
}

void CheckWebster(const TextLines &lines, std::string_view typed)
{
    WebsterLists lists;
    const std::optional<char> letter = WebsterLetter(typed);
    for (char key = 'A'; key <= 'Z'; ++key)
        lists.Append(key, key == letter ? lines : TextLines());

    const TextLines *list = WebsterListFor(&lists, typed);
    Check(WebsterListFor(nullptr, typed) == nullptr);
    if (typed.empty()) {
        Check(!letter && !list);
        return;
    }
    const char first = Upper(typed.front());
    Check(*letter == (static_cast<unsigned char>(first) < 'A' ? 'A' : first));
    if (*letter < 'A' || *letter > 'Z') {
        Check(!list);
        return;
    }
    Check(list != nullptr && list->size() == lines.size());

    SoundexCache codes;
    const Suggestions found = WebsterSearch(*list, typed, codes);
    // What every suggestion must begin with: the typed text's first character, or the one
    // after a leading "%", which the prefix drops.
    const bool byPrefix = typed.size() < 5 || typed.find('%') != std::string_view::npos;
    const std::string prefix = byPrefix ? SearchPrefix(typed) : std::string(typed);
    std::size_t next = 0;
    for (std::size_t i = 0; i < list->size(); ++i) {
        const std::string_view line = (*list)[i];
        const std::string_view word = ExtractField(1, line);
        if (!Matches(word, typed))
            continue;
        Check(next < found.size());
        const Suggestion &s = found[next];
        Check(s.word.data() == word.data() && s.word == word);
        Check(s.node && s.node->PartOfSpeech() == ExtractField(2, line) &&
              s.node->Definition() == ExtractField(3, line));
        Check(!s.word.empty() && !prefix.empty() && Upper(s.word.front()) == Upper(prefix.front()));
        ++next;
    }
    Check(next == found.size());
    Check(SameSuggestions(found, WebsterSearch(*list, typed, codes)));
    CheckSelection(found, typed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t end = input.find('\n');
    const std::string_view typed = input.substr(0, end);
    const TextLines lines(end == std::string_view::npos ? std::string_view()
                                                        : input.substr(end + 1));
    CheckMoby(lines, typed);
    CheckWebster(lines, typed);
    return 0;
}
