// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/BestGuesses.h"

#include "lookup/BucketOrder.h"
#include "lookup/CloseWords.h"
#include "lookup/Soundex.h"
#include "lookup/TypingCost.h"
#include "lookup/WordSearch.h"
#include "text/CaseFolding.h"

#include <algorithm>
#include <bit>
#include <functional>

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

// One word of the candidates: its first line; its lines are the group of its own place.
struct Candidate {
    std::string_view word;
    std::size_t first = 0;
};

// The candidates' words in order of their first line, and their lines grouped by word, each
// group in list order: the lines of group g are lines[starts[g]] up to lines[starts[g + 1]].
struct Candidates {
    std::vector<Candidate> words;
    std::vector<std::size_t> lines;
    std::vector<std::uint32_t> starts;
};

// Sorts the lines and drops repeats; the lines of a long part of the list are marked in a bit
// per line and read back in order, which is quicker than sorting them.
void SortOnce(std::vector<std::size_t> &lines, std::size_t listSize)
{
    if (lines.size() < listSize / 64) {
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        return;
    }
    std::vector<std::uint64_t> marked((listSize + 63) / 64);
    for (std::size_t line : lines)
        marked[line / 64] |= std::uint64_t{1} << (line % 64);
    lines.clear();
    for (std::size_t i = 0; i < marked.size(); ++i) {
        for (std::uint64_t bits = marked[i]; bits != 0; bits &= bits - 1)
            lines.push_back(i * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
    }
}

// Each line once, grouped by its word; `wordOf(line)` gives a line's word, for `count` lines.
template <typename WordOf>
Candidates GroupByWord(WordOf wordOf, std::size_t count, std::vector<std::size_t> lines)
{
    SortOnce(lines, count);
    Candidates candidates;
    candidates.words.reserve(lines.size());
    std::vector<std::uint32_t> groupOfLine;
    groupOfLine.reserve(lines.size());
    // The words seen, by their place among the candidates, in a table of at least twice as many
    // slots as lines, each word in the first free slot from its hash on: nothing is allocated per
    // word.
    constexpr std::uint32_t kFree = ~std::uint32_t{0};
    const std::size_t slots = std::bit_ceil(2 * lines.size() + 1);
    std::vector<std::uint32_t> byWord(slots, kFree);
    const std::hash<std::string_view> hash;
    for (std::size_t line : lines) {
        const std::string_view word = wordOf(line);
        std::size_t slot = hash(word) & (slots - 1);
        while (byWord[slot] != kFree && candidates.words[byWord[slot]].word != word)
            slot = (slot + 1) & (slots - 1);
        if (byWord[slot] == kFree) {
            byWord[slot] = static_cast<std::uint32_t>(candidates.words.size());
            candidates.words.push_back({word, line});
        }
        groupOfLine.push_back(byWord[slot]);
    }
    // Each group keeps its lines in list order.
    BucketOrder byGroup = OrderByBucket(lines.size(), candidates.words.size(),
                                        [&](std::size_t i) { return groupOfLine[i]; });
    candidates.lines.reserve(lines.size());
    for (std::uint32_t i : byGroup.order)
        candidates.lines.push_back(lines[i]);
    candidates.starts = std::move(byGroup.starts);
    return candidates;
}

} // namespace

std::vector<std::size_t> BestGuessLines(WordList &list, std::string_view typed,
                                        const WordPriors &priors)
{
    const GuessIndex &index = list.Guesses(priors);
    const std::span<const std::string_view> words = list.Words();
    const std::span<const SoundexKey> lineCodes = list.SoundCodes();
    const std::span<const std::string_view> added = index.AddedWords();
    const std::span<const SoundexKey> addedCodes = index.AddedSoundCodes();
    const auto wordOf = [&](std::size_t line) {
        return line < words.size() ? words[line] : added[line - words.size()];
    };
    const auto codeOf = [&](std::size_t line) {
        return line < words.size() ? lineCodes[line] : addedCodes[line - words.size()];
    };
    const SoundexKey typedCode = SoundexKeyOf(typed);
    // A Webster list holds dictionary words, whatever spelling lists say of them.
    const bool wordList = list.Kind() == LineKind::Word;
    // The search's own suggestions: by prefix, or the lines of the typed text's sound code.
    std::vector<std::size_t> lines = MatchingLines(list, typed);
    const bool prefixOnly = typed.find('%') != std::string_view::npos;
    if (!prefixOnly) {
        for (const CloseWord &close :
             FindCloseWords(index.CloseWords(), typed, CloseDistance(typed)))
            lines.push_back(close.line);
    }

    const Candidates candidates =
        GroupByWord(wordOf, words.size() + added.size(), std::move(lines));
    // The typed text itself first, byte for byte and then in another case, each in list order;
    // then the other words by score, equal scores in list order.
    std::vector<std::uint32_t> typedItself;
    std::vector<std::uint32_t> typedOtherCase;
    struct Scored {
        double score;
        std::uint32_t group;
    };
    std::vector<Scored> others;
    others.reserve(candidates.words.size());
    TypingCostPattern typing(typed);
    for (std::size_t g = 0; g < candidates.words.size(); ++g) {
        const Candidate &candidate = candidates.words[g];
        const auto group = static_cast<std::uint32_t>(g);
        const WordPrior prior = index.PriorOf(candidate.first);
        const bool isTyped = SameTextIgnoringCase(candidate.word, typed);
        if (isTyped && prior.known) {
            (candidate.word == typed ? typedItself : typedOtherCase).push_back(group);
            continue;
        }
        double score = -prior.logFrequency;
        if (!prefixOnly) {
            score = kEditWeight * typing.Cost(candidate.word) - prior.logFrequency;
            if (codeOf(candidate.first) == typedCode)
                score -= kSameSoundBonus;
            if (wordList && !prior.known && !isTyped)
                score += kUnknownPenalty;
        }
        others.push_back({score, group});
    }
    std::stable_sort(others.begin(), others.end(),
                     [](const Scored &a, const Scored &b) { return a.score < b.score; });

    std::vector<std::size_t> ranked;
    ranked.reserve(candidates.lines.size());
    const auto addGroup = [&](std::uint32_t group) {
        const auto groupLines = candidates.lines.begin();
        ranked.insert(ranked.end(), groupLines + candidates.starts[group],
                      groupLines + candidates.starts[group + 1]);
    };
    for (std::uint32_t group : typedItself)
        addGroup(group);
    for (std::uint32_t group : typedOtherCase)
        addGroup(group);
    for (const Scored &scored : others)
        addGroup(scored.group);
    return ranked;
}

} // namespace quillby
