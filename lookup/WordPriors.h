// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"
#include "data/TextLines.h"

#include <string_view>

namespace quillby {

// The name of the embedded table of how common each word is.
inline constexpr std::string_view kWordPriorsName = "WordPriors";

// How common each word is, as far as the public data sets tell: the definitions of the Webster
// lists counted word by word, the 1,000 most frequent words in order, and the lists of common
// and of often misspelled words. Read from a table of lines `word TAB definitions TAB rank TAB
// flags`, sorted by word, words in ASCII lower case (flags: "c" common, "m" often misspelled).
class WordPriors {
public:
    // Knows no word: every word is as likely as any other.
    WordPriors() = default;
    explicit WordPriors(TextLines table);

    // The natural logarithm of how often the word is written, in uses per million words,
    // estimated; ASCII case ignored. A regular inflected form ("controls", "carried") is at
    // least a quarter as likely as its stem; any other word the table lacks gets the same low
    // value as every unknown word.
    double LogFrequency(std::string_view word) const;

private:
    // What the table tells of the word itself, in uses per million words.
    double PerMillion(std::string_view word) const;

    TextLines table_;
};

// Reads the embedded table. Raises EResNotFound or EDecompressionError as a list does.
WordPriors LoadWordPriors(const ResourceStore &store);

} // namespace quillby
