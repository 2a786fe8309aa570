// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/BestGuesses.h"

#include "lookup/CloseWords.h"
#include "lookup/StrRoutines.h"
#include "lookup/TypingCost.h"
#include "lookup/WordSearch.h"
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

// One word of the candidates with all its lines, in list order.
struct Candidate {
    std::string_view word;
    std::vector<std::size_t> lines;
    bool typedItself = false;
    bool sameBytes = false;
    double score = 0.0;
};

// The candidates' words in order of their first line, each line once.
std::vector<Candidate> GroupByWord(std::span<const std::string_view> words,
                                   std::vector<std::size_t> lines)
{
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    std::vector<Candidate> candidates;
    std::unordered_map<std::string_view, std::size_t> byWord;
    for (std::size_t line : lines) {
        const std::string_view word = words[line];
        const auto [found, added] = byWord.try_emplace(word, candidates.size());
        if (added)
            candidates.push_back({word, {}});
        candidates[found->second].lines.push_back(line);
    }
    return candidates;
}

} // namespace

std::vector<std::size_t> BestGuessLines(WordList &list, std::string_view typed,
                                        const WordPriors &priors)
{
    std::vector<std::size_t> lines = MatchingLines(list, typed);
    const bool prefixOnly = typed.find('%') != std::string_view::npos;
    if (!prefixOnly) {
        for (const CloseWord &close :
             FindCloseWords(list.Words(), list.Shapes(), typed, CloseDistance(typed)))
            lines.push_back(close.line);
    }

    std::vector<Candidate> candidates = GroupByWord(list.Words(), std::move(lines));
    const SoundexKey typedCode = SoundexKeyOf(typed);
    for (Candidate &candidate : candidates) {
        candidate.typedItself = SameTextIgnoringCase(candidate.word, typed);
        candidate.sameBytes = candidate.word == typed;
        const double logFrequency = priors.LogFrequency(candidate.word);
        if (prefixOnly) {
            candidate.score = -logFrequency;
            continue;
        }
        candidate.score = kEditWeight * TypingCost(typed, candidate.word) - logFrequency;
        if (SoundexKeyOf(candidate.word) == typedCode)
            candidate.score -= kSameSoundBonus;
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) {
                         if (a.typedItself != b.typedItself)
                             return a.typedItself;
                         if (a.sameBytes != b.sameBytes)
                             return a.sameBytes;
                         return a.score < b.score;
                     });

    std::vector<std::size_t> ranked;
    for (const Candidate &candidate : candidates)
        ranked.insert(ranked.end(), candidate.lines.begin(), candidate.lines.end());
    return ranked;
}

} // namespace quillby
