// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// The names of the embedded table of how common each word is, and of the same for each line of
// the Word list.
inline constexpr std::string_view kWordPriorsName = "WordPriors";
inline constexpr std::string_view kWordListPriorsName = "WordListPriors";

// What the table tells of one word.
struct WordPrior {
    // The natural logarithm of how often the word is written, in uses per million words.
    double logFrequency = 0.0;
    // Whether the word is a known spelling: spell-checker word lists hold it.
    bool known = true;
};

// A prior in two bytes, as the Word list's priors are stored: the logarithm in hundredths, as the
// table gives it, times two, plus one for a known spelling.
struct PackedPrior {
    std::int16_t value = 0;

    // Rounded to hundredths, and held within what two bytes hold.
    static PackedPrior Of(const WordPrior &prior);
    WordPrior Unpack() const
    {
        // Halved rounding down, as the known flag was added: an arithmetic shift.
        return {(value >> 1) / 100.0, (value & 1) != 0};
    }
};

// How common each word is and whether it is a known spelling, as the public data sets tell
// (worked out when the program is built). Read from a table of lines `word TAB logarithm TAB
// flags` each ended by LF, sorted by byte value of the word, words in ASCII lower case, the
// logarithm of uses per million in hundredths ("-530" for 0.005), flags "k" for a known spelling
// or "-". A line with an empty word gives the estimate of every word the table lacks.
class WordPriors {
public:
    // Knows no word: every word is as likely as any other, and every word is a known spelling.
    WordPriors() = default;
    // Holds the table.
    explicit WordPriors(std::string table);
    // Reads a table it does not hold, which must outlive it (the embedded one, in place), and
    // beside it what the table tells of each line of one list: the list's LinesFingerprint in
    // eight bytes, then in line order two bytes a line (both little-endian, the logarithm times
    // two plus one for a known spelling), which OfEach reads for that list instead of looking
    // each word up.
    static WordPriors InPlace(std::string_view table,
                              std::span<const unsigned char> listPriors = {});

    // What the table tells of `word`, ASCII case ignored. A word the table lacks is no known
    // spelling and takes the estimate for unknown words.
    WordPrior Of(std::string_view word) const;
    double LogFrequency(std::string_view word) const { return Of(word).logFrequency; }

    // What the table tells of each word, in their order: read from the list's priors when these
    // are that list's (as many lines, and the same fingerprint), else by one pass over the table
    // for words that come in its order, as the Moby list's do.
    std::vector<WordPrior> OfEach(std::span<const std::string_view> words) const;
    // Whether the list's priors are those of `words`, so that OfEach reads them.
    bool ListPriorsFit(std::span<const std::string_view> words) const;

private:
    explicit WordPriors(std::string_view table, std::shared_ptr<const std::string> held);

    WordPrior ListPrior(std::size_t line) const;

    // The start of the first line at or after `from` whose word is not before `word`.
    std::size_t LowerBound(std::string_view word, std::size_t from) const;
    WordPrior OfLineAt(std::size_t at, std::string_view word) const;

    std::shared_ptr<const std::string> held_;
    std::string_view table_;
    std::span<const unsigned char> listPriors_;
    WordPrior unknown_;
};

// Reads the embedded table and the Word list's priors in place, as long as `store` lives. Raises
// EResNotFound when the table is missing.
WordPriors LoadWordPriors(const ResourceStore &store);

} // namespace quillby
