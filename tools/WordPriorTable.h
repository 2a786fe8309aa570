// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillby::tools {

// One of the spell-checker word lists (SCOWL): the size it belongs to, 10 for the commonest
// words up to 80, whether it holds British spellings, and its text, one word per line in UTF-8
// as it is written (its capitals kept).
struct SpellingList {
    int size = 0;
    bool british = false;
    std::string_view text;
};

// What is known of how common a word is, from the public data sets.
struct PriorSources {
    std::string_view wordList;             // the Moby word list, one word per line
    std::string_view frequentWords;        // a heading line, an empty line, then the words in order
    std::string_view oftenMisspelled;      // one word per line
    std::vector<std::string> websterLists; // Webster list texts, `"word","pos","definition"`
    // The English, American and British lists: the smallest size that holds a word tells how
    // common it is, and a word listed at kKnownSpellingSize or below is a known spelling.
    std::vector<SpellingList> spellingLists;
    // WordNet's sense counts (cntlist.rev): `lemma%sense_key sense_number count` per line, how
    // often each sense of a lemma was tagged in the sense-tagged part of the Brown corpus.
    std::string_view senseCounts;
};

// The size of the SCOWL list named `spelling-kind.size` when it is one the prior table reads:
// the English, American and British spellings of its words, words with capitals, contractions,
// abbreviations and proper names ("english-abbreviations.10", "british-proper-names.80"), sizes
// up to 80, beyond which the lists hold words most writers would take for misspellings; none for
// any other file ("australian-words.10", "english-words.95").
std::optional<int> SpellingListSize(std::string_view fileName);

// The largest spelling-list size whose words are known spellings: the words of larger sizes are
// rare, variant or dubious forms ("belive", "develope") that spell checkers reject.
inline constexpr int kKnownSpellingSize = 60;

// The prior table the ranking of suggestions reads: one line per word of the Moby or Webster
// lists and per known spelling, `word TAB logarithm TAB spellings` followed by LF, sorted by byte
// value of the word. The word is in ASCII lower case; the logarithm is the natural logarithm of
// the estimated uses per million words, in hundredths; spellings tells how the word is a known
// spelling: "k" when it is listed in lower case, else the ways it is listed with capitals of its
// own, separated by spaces ("Boston", "USA"), or "-" for no known spelling. A word listed with
// diacritics is also known on plain letters ("cafe" for "café"), as the Moby list writes words.
// The first line has an empty word and gives the estimate of every word the table leaves out (a
// word no source knows, which is no known spelling either).
//
// The estimate of a word, in uses per million words of running text:
// - the spelling lists' sizes rank the words of the language: the words a size adds take the
//   ranks after those of the smaller sizes, and a word takes Zipf's law at the middle of its
//   size's ranks (the mean of the logarithm; frequency falls with the rank through the core
//   vocabulary of sizes 10 and 20, with its square beyond); a word no list holds takes the ranks
//   after all of them, one for each such word of the Moby and Webster lists;
// - a lemma that WordNet counts pools that estimate, taken as one use, with its count over the
//   words of the tagged Brown texts (every open word of 186 texts, the verbs of 352, each text
//   2,000 words long); a regular inflected form ("controls", "carried") takes a quarter of its
//   stem's count, a possessive a twentieth, when that is more than its own. A spelling that only
//   the British lists hold keeps the lists' estimate, as the texts are American;
// - a word among the 1,000 most frequent takes at least its rank's share by Zipf's law;
// - a possessive takes at most a twentieth of its word's estimate, as the lists give it its
//   word's size;
// - an often misspelled word is three times as likely to be the word meant.
std::string MakePriorTable(const PriorSources &sources);

// What `table` tells of each line of `wordList` (one word per line, the Moby list as it is
// embedded), in line order, so that the program reads the list's priors without looking each
// word up: the list's LinesFingerprint in eight bytes, then per line two bytes, both
// little-endian, a PackedPrior: the table's logarithm times four, plus two when the word is a
// known spelling only with capitals of its own, plus one for a known spelling.
std::string MakeWordListPriors(std::string_view table, std::string_view wordList);

// The known spellings that `sources.wordList` lacks (case ignored), which best guesses offer
// beside its words: the list's LinesFingerprint in eight bytes, then one line per spelling,
// `spelling TAB logarithm` followed by LF, the spelling in Windows-1252 as it is listed (with
// its capitals and diacritics), the logarithm as `table` gives it for the spelling's word, in
// the table's order. A word listed in lower case is given once in lower case.
std::string MakeAddedWords(const PriorSources &sources, std::string_view table);

} // namespace quillby::tools
