// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillby::tools {

// One of the spell-checker word lists (SCOWL): the size it belongs to, 10 for the commonest
// words up to 80, whether it holds British spellings, and its text, one word per line in UTF-8.
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
    // The English, American and British lists: every word they hold is a known spelling, and
    // the smallest size that holds a word tells how common it is.
    std::vector<SpellingList> spellingLists;
    // WordNet's sense counts (cntlist.rev): `lemma%sense_key sense_number count` per line, how
    // often each sense of a lemma was tagged in the sense-tagged part of the Brown corpus.
    std::string_view senseCounts;
};

// The prior table the ranking of suggestions reads: one line per word of the Moby or Webster
// lists, `word TAB logarithm TAB flags` followed by LF, sorted by byte value of the word. The
// word is in ASCII lower case; the logarithm is the natural logarithm of the estimated uses per
// million words, in hundredths; flags holds "k" for a known spelling, or "-". The first line has
// an empty word and gives the estimate of every word the table leaves out (a word no source
// knows, which is no known spelling either).
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
// - an often misspelled word is three times as likely to be the word meant.
std::string MakePriorTable(const PriorSources &sources);

// What `table` tells of each line of `wordList` (one word per line, the Moby list as it is
// embedded), in line order, so that the program reads the list's priors without looking each
// word up: the list's LinesFingerprint in eight bytes, then per line two bytes, both
// little-endian, the table's logarithm times two plus one for a known spelling.
std::string MakeWordListPriors(std::string_view table, std::string_view wordList);

} // namespace quillby::tools
