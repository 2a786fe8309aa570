// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/BestGuesses.h"

#include "lookup/CloseWords.h"
#include "lookup/StrRoutines.h"
#include "lookup/TypingCost.h"
#include "lookup/WordSearch.h"
#include "text/AsciiCase.h"
#include "text/CaseFolding.h"

#include <algorithm>
#include <unordered_map>

namespace quillby {

namespace {

// How far from a typed text close words may be.
int CloseDistance(std::string_view typed)
{
    if (typed.empty())
        return -1;
    if (typed.size() >= 4)
        return 2;
    return 1;
}

// One word of the candidates: its first line, and which group of lines is its own.
struct Candidate {
    std::string_view word;
    std::size_t first = 0;
    std::size_t group = 0;
    bool typedItself = false;
    bool sameBytes = false;
    double score = 0.0;
};

// The candidates' words in order of their first line, and their lines grouped by word, each
// group in list order: the lines of group g are lines[starts[g]] up to lines[starts[g + 1]].
struct Candidates {
    std::vector<Candidate> words;
    std::vector<std::size_t> lines;
    std::vector<std::size_t> starts;
};

// Each line once, grouped by its word.
Candidates GroupByWord(std::span<const std::string_view> words, std::vector<std::size_t> lines)
{
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    Candidates candidates;
    candidates.words.reserve(lines.size());
    std::vector<std::size_t> groupOfLine;
    groupOfLine.reserve(lines.size());
    std::unordered_map<std::string_view, std::size_t> byWord;
    byWord.reserve(lines.size());
    for (std::size_t line : lines) {
        const std::string_view word = words[line];
        const auto [found, added] = byWord.try_emplace(word, candidates.words.size());
        if (added)
            candidates.words.push_back({word, line, found->second});
        groupOfLine.push_back(found->second);
    }
    // The groups' places by counting, so that each keeps its lines in list order.
    candidates.starts.assign(candidates.words.size() + 1, 0);
    for (std::size_t group : groupOfLine)
        ++candidates.starts[group + 1];
    for (std::size_t g = 1; g < candidates.starts.size(); ++g)
        candidates.starts[g] += candidates.starts[g - 1];
    std::vector<std::size_t> next(candidates.starts.begin(), candidates.starts.end() - 1);
    candidates.lines.resize(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        candidates.lines[next[groupOfLine[i]]++] = lines[i];
    return candidates;
}

// The lines the prefix search lists, looked for among the words of the typed text's first letter
// only.
std::vector<std::size_t> PrefixLines(std::span<const std::string_view> words,
                                     const GuessIndex &index, std::string_view typed)
{
    std::vector<std::size_t> lines;
    const std::string prefix = UpperPrefix(typed);
    if (prefix.empty())
        return lines;
    for (std::uint32_t line : index.StartingWith(UpperCase1252(prefix.front()))) {
        if (StartsWithAsciiUpper(words[line], prefix))
            lines.push_back(line);
    }
    return lines;
}

} // namespace

std::vector<std::size_t> BestGuessLines(WordList &list, std::string_view typed,
                                        const WordPriors &priors)
{
    const GuessIndex &index = list.Guesses(priors);
    const std::span<const std::string_view> words = list.Words();
    const std::span<const SoundexKey> lineCodes = list.SoundCodes();
    const SoundexKey typedCode = SoundexKeyOf(typed);
    // The search's own suggestions: by prefix, or the lines of the typed text's sound code.
    std::vector<std::size_t> lines;
    if (MatchesByPrefix(typed)) {
        lines = PrefixLines(words, index, typed);
    } else {
        const std::span<const std::uint32_t> sameSound = index.SameSound(typedCode);
        lines.assign(sameSound.begin(), sameSound.end());
    }
    const bool prefixOnly = typed.find('%') != std::string_view::npos;
    if (!prefixOnly) {
        for (const CloseWord &close :
             FindCloseWords(index.CloseWords(), typed, CloseDistance(typed)))
            lines.push_back(close.line);
    }

    Candidates candidates = GroupByWord(words, std::move(lines));
    TypingCostPattern typing(typed);
    for (Candidate &candidate : candidates.words) {
        const std::size_t first = candidate.first;
        const WordPrior prior = index.PriorOf(first);
        candidate.typedItself = prior.known && SameTextIgnoringCase(candidate.word, typed);
        candidate.sameBytes = candidate.typedItself && candidate.word == typed;
        if (prefixOnly) {
            candidate.score = -prior.logFrequency;
            continue;
        }
        candidate.score = kEditWeight * typing.Cost(candidate.word) - prior.logFrequency;
        if (lineCodes[first] == typedCode)
            candidate.score -= kSameSoundBonus;
    }
    std::stable_sort(candidates.words.begin(), candidates.words.end(),
                     [](const Candidate &a, const Candidate &b) {
                         if (a.typedItself != b.typedItself)
                             return a.typedItself;
                         if (a.sameBytes != b.sameBytes)
                             return a.sameBytes;
                         return a.score < b.score;
                     });

    std::vector<std::size_t> ranked;
    ranked.reserve(candidates.lines.size());
    for (const Candidate &candidate : candidates.words) {
        const auto group = candidates.lines.begin();
        ranked.insert(ranked.end(), group + candidates.starts[candidate.group],
                      group + candidates.starts[candidate.group + 1]);
    }
    return ranked;
}

} // namespace quillby
