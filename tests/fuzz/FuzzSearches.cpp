// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The two searches on an arbitrary typed text over a small list made from the rest of the
// input: the suggestions are exactly the matching lines in list order, a Webster suggestion
// begins with the character looked for and is found in that letter's list only, a second
// search with the kept sound codes finds the same, and the selection is always inside the list.
//
// Input: the typed text, a LF, then the list's text (lines end at CR, LF or CR LF). The same
// lines serve as the Moby list and, read as dictionary entries, as the Webster list of the
// typed text's letter.

#include "data/DictionaryEntry.h"
#include "data/TextLines.h"
#include "lookup/LookupEngine.h"
#include "lookup/Soundex.h"
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

void CheckSelection(const SearchResult &found, std::string_view typed)
{
    const int row = found.selectedRow;
    if (found.suggestions.empty()) {
        Check(row == -1);
        return;
    }
    Check(row >= 0 && static_cast<std::size_t>(row) < found.suggestions.size());
    for (int i = 0; i < row; ++i)
        Check(!SameTextIgnoringCase(found.suggestions[i].word, typed));
    Check(row == 0 || SameTextIgnoringCase(found.suggestions[row].word, typed));
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

std::optional<SearchResult> Search(LookupEngine &engine, std::string_view typed, WordSource source)
{
    return engine.Search(typed, source, SuggestionOrder::ListOrder);
}

void CheckMoby(const TextLines &lines, std::string_view typed)
{
    LookupEngine engine({});
    Check(Search(engine, typed, WordSource::Moby)->suggestions.empty());
    engine.SetMobyList(lines);
    const TextLines &list = engine.MobyList()->Lines();
    const SearchResult found = *Search(engine, typed, WordSource::Moby);
    std::size_t next = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!Matches(list[i], typed))
            continue;
        Check(next < found.suggestions.size());
        const Suggestion &s = found.suggestions[next];
        Check(s.word.data() == list[i].data() && s.word == list[i]);
        Check(!s.node);
        ++next;
    }
    Check(next == found.suggestions.size());
    Check(SameSuggestions(found.suggestions, Search(engine, typed, WordSource::Moby)->suggestions));
    CheckSelection(found, typed);
}

void CheckWebster(const TextLines &lines, std::string_view typed)
{
    // The list of the letter looked for holds the lines; every other letter has an empty list.
    const char first = typed.empty() ? 0 : Upper(typed.front());
    const char letter = static_cast<unsigned char>(first) < 'A' ? 'A' : first;
    LookupEngine engine({});
    Check(!Search(engine, typed, WordSource::Webster));
    const TextLines none;
    for (char key = 'A'; key <= 'Z'; ++key)
        engine.SetWebsterList(key, key == letter ? lines : none);
    const std::optional<SearchResult> result = Search(engine, typed, WordSource::Webster);
    if (typed.empty() || static_cast<unsigned char>(letter) > 'Z') {
        Check(!result);
        return;
    }
    Check(result.has_value());
    const TextLines &list = engine.WebsterList(letter)->Lines();
    Check(list.size() == lines.size());

    const Suggestions &found = result->suggestions;
    // What every suggestion must begin with: the typed text's first character, or the one
    // after a leading "%", which the prefix drops.
    const bool byPrefix = typed.size() < 5 || typed.find('%') != std::string_view::npos;
    const std::string prefix = byPrefix ? UpperPrefix(typed) : std::string(typed);
    std::size_t next = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string_view line = list[i];
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
    Check(SameSuggestions(found, Search(engine, typed, WordSource::Webster)->suggestions));
    CheckSelection(*result, typed);
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
