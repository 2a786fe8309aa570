// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/LookupEngine.h"

#include "data/ListLoader.h"
#include "lookup/BestGuesses.h"
#include "lookup/WordSearch.h"
#include "text/AsciiCase.h"
#include "text/Spaces.h"
#include "text/WordCase.h"

namespace quillby {

namespace {

std::optional<std::size_t> LetterIndex(char letter)
{
    const char upper = AsciiUpper(letter);
    if (upper < 'A' || upper > 'Z')
        return std::nullopt;
    return upper - 'A';
}

// The Webster list a text is looked for in: the one of its first character in ASCII upper
// case, the "A" list for a character below "A"; none for empty text or a character after "Z".
std::optional<std::size_t> WebsterIndex(std::string_view typed)
{
    if (typed.empty())
        return std::nullopt;
    if (static_cast<unsigned char>(AsciiUpper(typed.front())) < 'A')
        return 0;
    return LetterIndex(typed.front());
}

// The suggestion of one line of the list: its word, and of a dictionary entry its definition.
Suggestion SuggestionAt(WordList &list, std::size_t line)
{
    const DictionaryFields entry = list.Entry(line);
    Suggestion suggestion;
    suggestion.word = entry.word;
    if (list.Kind() == LineKind::DictionaryEntry)
        suggestion.node.emplace(entry.partOfSpeech, entry.definition);
    return suggestion;
}

Suggestions SuggestionsOf(WordList &list, const std::vector<std::size_t> &lines)
{
    Suggestions found;
    found.reserve(lines.size());
    for (std::size_t line : lines)
        found.push_back(SuggestionAt(list, line));
    return found;
}

// Best guesses as the writer would have them written: in the typed case, a word listed with
// capitals of its own with them. The words spelled anew share one text; the others stay views
// into the list, or into the known spellings offered beside it.
Suggestions SpelledGuesses(WordList &list, const std::vector<std::size_t> &lines,
                           std::string_view typed, const WordPriors &priors)
{
    const GuessIndex &index = list.Guesses(priors);
    const std::span<const std::string_view> added = index.AddedWords();
    const WordCase typedCase = CaseOf(typed);
    // Typed in lower case or with capitals of its own, a word is written as it is listed.
    const bool recased = typedCase == WordCase::FirstCapital || typedCase == WordCase::AllCapitals;
    Suggestions found;
    found.reserve(lines.size());
    // Where each word spelled anew is in the shared text: its suggestion, start and size.
    struct Spelled {
        std::size_t suggestion, at, size;
    };
    std::vector<Spelled> spelled;
    std::string text;
    std::string scratch;
    for (std::size_t line : lines) {
        Suggestion suggestion;
        if (line < list.size())
            suggestion = SuggestionAt(list, line);
        else
            suggestion.word = added[line - list.size()];
        std::string_view written = suggestion.word;
        if (line < list.size() && index.PriorOf(line).ownCapitals &&
            CaseOf(written) == WordCase::Lower) {
            if (const std::string_view listed = priors.ListedWithCapitals(written); !listed.empty())
                written = listed;
        }
        if (recased || written.data() != suggestion.word.data()) {
            scratch.clear();
            AppendInCase(scratch, written, typedCase);
            if (scratch != suggestion.word) {
                spelled.push_back({found.size(), text.size(), scratch.size()});
                text += scratch;
            }
        }
        found.push_back(std::move(suggestion));
    }
    if (!spelled.empty()) {
        const auto shared = std::make_shared<const std::string>(std::move(text));
        for (const Spelled &s : spelled) {
            found[s.suggestion].word = std::string_view(*shared).substr(s.at, s.size);
            found[s.suggestion].spelling = shared;
        }
    }
    return found;
}

} // namespace

void LookupEngine::ListSlot::Set(const TextLines &lines, LineKind kind)
{
    list.emplace(lines, kind);
    // The list the engine read itself goes, unless that is the one handed back.
    if (loaded.get() != &lines)
        loaded.reset();
}

void LookupEngine::ListSlot::Load(TextLines lines, LineKind kind)
{
    Free();
    loaded = std::make_unique<const TextLines>(std::move(lines));
    list.emplace(*loaded, kind);
}

void LookupEngine::ListSlot::Free()
{
    // What was built over the list goes before the list.
    list.reset();
    loaded.reset();
}

LookupEngine::LookupEngine(PriorsLoader loadPriors, ListLoader loadList)
    : loadPriors_(std::move(loadPriors))
    , loadList_(std::move(loadList))
{
}

void LookupEngine::SetMobyList(const TextLines &lines)
{
    moby_.Set(lines, LineKind::Word);
}

void LookupEngine::SetWebsterList(char letter, const TextLines &lines)
{
    if (const std::optional<std::size_t> index = LetterIndex(letter))
        webster_[*index].Set(lines, LineKind::DictionaryEntry);
}

void LookupEngine::FreeWebsterLists()
{
    for (ListSlot &slot : webster_)
        slot.Free();
}

const WordList *LookupEngine::MobyList() const
{
    return moby_.list ? &*moby_.list : nullptr;
}

const WordList *LookupEngine::WebsterList(char letter) const
{
    const std::optional<std::size_t> index = LetterIndex(letter);
    return index && webster_[*index].list ? &*webster_[*index].list : nullptr;
}

WordList *LookupEngine::ListFor(std::string_view typed, WordSource source)
{
    if (source == WordSource::Moby) {
        if (!moby_.list && loadList_)
            moby_.Load(loadList_(kWordListName), LineKind::Word);
        return moby_.list ? &*moby_.list : nullptr;
    }
    const std::optional<std::size_t> index = WebsterIndex(typed);
    if (!index)
        return nullptr;
    ListSlot &slot = webster_[*index];
    if (!slot.list && loadList_)
        slot.Load(loadList_(WebsterListName(static_cast<char>('A' + *index))),
                  LineKind::DictionaryEntry);
    return slot.list ? &*slot.list : nullptr;
}

const WordPriors &LookupEngine::Priors()
{
    // A failed load raises and is tried again on the next search.
    if (!priors_)
        priors_ = loadPriors_ ? loadPriors_() : WordPriors();
    return *priors_;
}

std::optional<SearchResult> LookupEngine::Search(std::string_view typed, WordSource source,
                                                 SuggestionOrder order)
{
    const bool best = order == SuggestionOrder::BestGuesses;
    if (best)
        typed = TrimSpaces(typed);
    WordList *list = ListFor(typed, source);
    if (!list) {
        // Moby without its list still empties the shown list; Webster leaves it as it is.
        if (source == WordSource::Moby)
            return SearchResult{};
        return std::nullopt;
    }
    if (best) {
        const WordPriors &priors = Priors();
        SearchResult result{
            SpelledGuesses(*list, BestGuessLines(*list, typed, priors), typed, priors)};
        // The best guess comes first.
        result.selectedRow = result.suggestions.empty() ? -1 : 0;
        return result;
    }
    SearchResult result{SuggestionsOf(*list, MatchingLines(*list, typed))};
    // In list order the typed word is looked for.
    result.selectedRow = SelectionFor(result.suggestions, typed);
    return result;
}

bool LookupEngine::IsKnownSpelling(std::string_view word)
{
    return !word.empty() && Priors().IsKnownAsWritten(word);
}

} // namespace quillby
