// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// The names of the embedded table of how common each word is, of the same for each line of the
// Word list, and of the known spellings the Word list lacks.
inline constexpr std::string_view kWordPriorsName = "WordPriors";
inline constexpr std::string_view kWordListPriorsName = "WordListPriors";
inline constexpr std::string_view kAddedWordsName = "AddedWords";

// What the table tells of one word.
struct WordPrior {
    // The natural logarithm of how often the word is written, in uses per million words.
    double logFrequency = 0.0;
    // Whether the word is a known spelling in some case: spell checkers' word lists hold it.
    bool known = true;
    // Whether it is a known spelling only with capitals of its own ("Boston", "USA").
    bool ownCapitals = false;
};

// A prior in two bytes, as the Word list's priors are stored: the logarithm in hundredths, as the
// table gives it, times four, plus two when the word is a known spelling only with capitals of
// its own, plus one for a known spelling.
struct PackedPrior {
    std::int16_t value = 0;

    // Rounded to hundredths, and held within what two bytes hold.
    static PackedPrior Of(const WordPrior &prior);
    WordPrior Unpack() const
    {
        // Divided by four rounding down, as the flags were added: an arithmetic shift.
        return {(value >> 2) / 100.0, (value & 1) != 0, (value & 2) != 0};
    }
};

// How common each word is, and whether and how it is a known spelling, as the public data sets
// tell (worked out when the program is built). Read from a table of lines `word TAB logarithm
// TAB spellings` each ended by LF, sorted by byte value of the word, words in ASCII lower case,
// the logarithm of uses per million in hundredths ("-530" for 0.005). Spellings is "k" for a
// word listed in lower case, or the ways it is listed with capitals of its own, separated by
// spaces ("Boston"; a way that is not the word in another case is ignored), or "-" for no known
// spelling. A line with an empty word gives the estimate of every word the table lacks.
//
// A word listed in lower case is right in lower case, with a first capital, or all in capitals;
// a word listed with capitals of its own is right with those capitals or all in capitals
// (WrittenAsListed).
class WordPriors {
public:
    // Knows no word: every word is as likely as any other, and every word is a known spelling.
    WordPriors() = default;
    // Holds the table, and the known spellings a list lacks, as InPlace reads them.
    explicit WordPriors(std::string table, std::string addedWords = {});
    // Reads a table it does not hold, which must outlive it (the embedded one, in place), and
    // beside it, made for one list:
    // - what the table tells of each of its lines: the list's LinesFingerprint in eight bytes,
    //   then in line order a PackedPrior of two bytes a line (both little-endian), which
    //   ForList reads for that list instead of looking each word up;
    // - the known spellings it lacks: the list's LinesFingerprint in eight bytes, then lines
    //   `spelling TAB logarithm` each ended by LF, the spellings as they are listed.
    static WordPriors InPlace(std::string_view table,
                              std::span<const unsigned char> listPriors = {},
                              std::string_view addedWords = {});

    // What the table tells of `word`, ASCII case ignored. A word the table lacks is no known
    // spelling and takes the estimate for unknown words.
    WordPrior Of(std::string_view word) const;
    double LogFrequency(std::string_view word) const { return Of(word).logFrequency; }
    // Whether `word` is a known spelling as it is written, its case as the rule above tells.
    bool IsKnownAsWritten(std::string_view word) const;
    // How a word known only with capitals of its own is listed (the first of its ways, a view
    // into the table); empty for any other word.
    std::string_view ListedWithCapitals(std::string_view word) const;

    // What the table tells of the words of one list, and the known spellings it lacks.
    struct ListPriors {
        // Of each word, in their order, packed: read from the list's priors when these are that
        // list's (as many lines, and the same fingerprint), else by one pass over the table for
        // words that come in its order, as the Moby list's do.
        std::vector<PackedPrior> each;
        // Whether `each` was read from the list's priors, which fit the list.
        bool fromListPriors = false;
        // The lines `spelling TAB logarithm` of the known spellings the list lacks, when they
        // were made for that list (the same fingerprint); else none.
        std::string_view added;
    };
    ListPriors ForList(std::span<const std::string_view> words) const;
    std::vector<WordPrior> OfEach(std::span<const std::string_view> words) const;

private:
    explicit WordPriors(std::string_view table, std::shared_ptr<const std::string> held);

    PackedPrior ListPrior(std::size_t line) const;

    // The start of the first line at or after `from` whose word is not before `word`.
    std::size_t LowerBound(std::string_view word, std::size_t from) const;
    // The spellings field of the line at `at` when its word is `word`, ASCII case ignored; none
    // when it is another word's line.
    std::optional<std::string_view> SpellingsAt(std::size_t at, std::string_view word) const;
    WordPrior OfLineAt(std::size_t at, std::string_view word) const;

    std::shared_ptr<const std::string> held_;
    std::shared_ptr<const std::string> heldAdded_;
    std::string_view table_;
    std::span<const unsigned char> listPriors_;
    std::string_view addedWords_;
    WordPrior unknown_;
};

// Reads the embedded table, the Word list's priors and the known spellings it lacks in place, as
// long as `store` lives. Raises EResNotFound when the table is missing.
WordPriors LoadWordPriors(const ResourceStore &store);

} // namespace quillby
