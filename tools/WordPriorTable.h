// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillby::tools {

// What is known of how common a word is, from the public data sets: the Moby lists of common
// words, of the 1,000 most frequent words (most frequent first) and of often misspelled words,
// and the definitions of the Webster lists.
struct PriorSources {
    std::string_view wordList;             // the Moby word list, one word per line
    std::string_view commonWords;          // one word or phrase per line
    std::string_view frequentWords;        // a heading line, an empty line, then the words in order
    std::string_view oftenMisspelled;      // one word per line
    std::vector<std::string> websterLists; // Webster list texts, `"word","pos","definition"`
};

// The prior table the ranking of suggestions reads: one line per word of the Moby or Webster
// lists that any source knows, `word TAB definitions TAB rank TAB flags` followed by LF, sorted by
// byte value of the word. The word is in ASCII lower case; definitions counts its occurrences as
// a whole word (letters only, case ignored) in the Webster definitions; rank is its place among
// the most frequent words (1 the most frequent, 0 not among them); flags holds "c" for a common
// word and "m" for an often misspelled one, or "-" for neither.
std::string MakePriorTable(const PriorSources &sources);

} // namespace quillby::tools
