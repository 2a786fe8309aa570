// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Best guesses for any bytes as typed text, over the program's own Word list and prior table:
// they hold every suggestion the Moby search lists for the text without the spaces around it,
// each line once (of the list or of the known spellings it lacks, in whatever case they are
// written); with a "%" nothing else; known spellings equal to the typed text come first. The
// list, the prior table, what best guesses build over them and the lines the Moby search lists
// for any text are made once, before the first input, so that thousands of inputs run a second.
//
// Input: the typed text.

#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
#include "lookup/Soundex.h"
#include "lookup/WordPriors.h"
#include "lookup/WordSearch.h"
#include "resources/QtResourceStore.h"
#include "text/AsciiCase.h"
#include "text/CaseFolding.h"
#include "text/Spaces.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

using namespace quillby;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

const QtResourceStore &Store()
{
    static const QtResourceStore store;
    return store;
}

LookupEngine &Engine()
{
    static LookupEngine engine(
        [] { return LoadWordPriors(Store()); },
        [](std::string_view name) { return LoadListResource(Store(), name, {}); });
    return engine;
}

// The table the engine ranks by, to tell the known spellings.
const WordPriors &Priors()
{
    static const WordPriors priors = LoadWordPriors(Store());
    return priors;
}

// The lines the Moby search lists, found in sorted copies of the list rather than by a pass over
// it (a pass per input would cost most of the time): the words in ASCII upper case for a prefix,
// each line's sound code for a sound search.
class ListedLines {
public:
    explicit ListedLines(const TextLines &lines)
        : lines_(lines)
    {
        // The words in upper case one after the other in one text, which is never resized.
        std::size_t total = 0;
        for (std::string_view line : lines)
            total += line.size();
        upperText_.reserve(total);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::size_t at = upperText_.size();
            for (char c : lines[i])
                upperText_ += AsciiUpper(c);
            upper_.emplace_back(std::string_view(upperText_).substr(at), i);
            codes_.emplace_back(SoundexKeyOf(lines[i]), i);
        }
        std::sort(upper_.begin(), upper_.end());
        std::sort(codes_.begin(), codes_.end());
    }

    // The listed lines.
    std::vector<std::string_view> For(std::string_view typed) const
    {
        std::vector<std::string_view> found;
        if (MatchesByPrefix(typed)) {
            const std::string prefix = UpperPrefix(typed);
            if (prefix.empty())
                return found;
            for (auto at = std::lower_bound(upper_.begin(), upper_.end(),
                                            std::pair<std::string_view, std::size_t>(prefix, 0));
                 at != upper_.end() && at->first.starts_with(prefix); ++at)
                found.push_back(lines_[at->second]);
            return found;
        }
        const SoundexKey code = SoundexKeyOf(typed);
        for (auto at = std::lower_bound(codes_.begin(), codes_.end(),
                                        std::pair<SoundexKey, std::size_t>(code, 0));
             at != codes_.end() && at->first == code; ++at)
            found.push_back(lines_[at->second]);
        return found;
    }

private:
    const TextLines &lines_;
    std::string upperText_;
    std::vector<std::pair<std::string_view, std::size_t>> upper_;
    std::vector<std::pair<SoundexKey, std::size_t>> codes_;
};

const ListedLines &Listed()
{
    static const ListedLines listed(Engine().MobyList()->Lines());
    return listed;
}

// A word as best guesses may write it in another case: in the code page's upper case.
std::string Folded(std::string_view word)
{
    std::string folded(word);
    for (char &c : folded)
        c = static_cast<char>(FoldedByte(c));
    return folded;
}

// How many lines of the Word list and of the known spellings it lacks have each folded word.
const std::unordered_map<std::string, int> &LinesOfWord()
{
    static const std::unordered_map<std::string, int> lines = [] {
        std::unordered_map<std::string, int> counted;
        const TextLines &list = Engine().MobyList()->Lines();
        for (std::string_view word : list)
            ++counted[Folded(word)];
        const WordPriors::ListPriors priors = Priors().ForList(list.lines());
        for (std::string_view line : TextLines(priors.added))
            ++counted[Folded(line.substr(0, line.find('\t')))];
        return counted;
    }();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The first best-guess search loads the list and builds everything kept over it.
    Engine().Search("rythm", WordSource::Moby, SuggestionOrder::BestGuesses);
    Priors();
    Listed();
    LinesOfWord();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    LookupEngine &engine = Engine();
    const SearchResult bestResult =
        *engine.Search(input, WordSource::Moby, SuggestionOrder::BestGuesses);
    const Suggestions &best = bestResult.suggestions;
    const std::string_view typed = TrimSpaces(input);
    Check(bestResult.selectedRow == (best.empty() ? -1 : 0));

    // Each line once, none dropped of those the search lists: the words written as listed by
    // where they are, those spelled anew (in the typed case, or with their own capitals) by
    // their folded text.
    std::vector<const char *> shown;
    std::unordered_map<std::string, int> spelled;
    for (const Suggestion &s : best) {
        if (s.spelling)
            ++spelled[Folded(s.word)];
        else
            shown.push_back(s.word.data());
    }
    std::sort(shown.begin(), shown.end());
    Check(std::adjacent_find(shown.begin(), shown.end()) == shown.end());
    for (const auto &[word, count] : spelled) {
        const auto lines = LinesOfWord().find(word);
        Check(lines != LinesOfWord().end() && count <= lines->second);
    }
    const std::vector<std::string_view> listed = Listed().For(typed);
    for (std::string_view line : listed) {
        if (std::binary_search(shown.begin(), shown.end(), line.data()))
            continue;
        const auto found = spelled.find(Folded(line));
        Check(found != spelled.end() && found->second > 0);
        --found->second;
    }
    if (typed.find('%') != std::string_view::npos)
        Check(best.size() == listed.size());

    bool othersBegun = false;
    for (const Suggestion &s : best) {
        const bool typedItself = SameTextIgnoringCase(s.word, typed) && Priors().Of(s.word).known;
        Check(!(typedItself && othersBegun));
        othersBegun = othersBegun || !typedItself;
    }
    return 0;
}
