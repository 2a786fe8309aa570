// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "lookup/WordList.h"
#include "lookup/WordPriors.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace quillby {
// Best guesses: the suggestions of a search ordered so that the word the writer most likely
// meant comes first. They hold every suggestion the search lists, and add the words of the same
// list within two edits of the typed text (optimal string alignment, case and diacritics
// ignored); for typed text under four characters the words within one edit. The known
// spellings the list lacks (GuessIndex) are offered as its words are, at the lines after the
// list's own. A text holding "%" asks for a prefix: only the search's own suggestions, the most
// common words first.
//
// Otherwise the order is by score, lowest first: the typing cost from the typed text to the
// word (TypingCost, in edits) times kEditWeight, less the logarithm of how often the word is
// written (WordPriors), less kSameSoundBonus when the word has the typed text's sound code, plus
// kUnknownPenalty for a word of a word list (not a dictionary's headword) that is no known
// spelling in any case (a misspelling or an oddity the list holds), unless it is the typed text
// itself. The words equal to the typed text, case
// ignored, that are known spellings (in some case: "usa" is "USA") come before all others, first
// the one spelled as typed: the letters are right. A typed text that is no known spelling
// competes by its score like any other. Equal scores keep list order; the lines
// of one word (a Webster word's senses) stay together in list order, where its first line ranks.
std::vector<std::size_t> BestGuessLines(WordList &list, std::string_view typed,
                                        const WordPriors &priors);

// How much one edit weighs against the logarithm of a word's frequency (a full edit is worth a
// word about 400 times as common), and what the same sound code is worth.
inline constexpr double kEditWeight = 6.0;
inline constexpr double kSameSoundBonus = 1.0;
// What a word no spelling list knows gives way by: one edit, so that a known spelling within
// an edit of its score stands above it.
inline constexpr double kUnknownPenalty = kEditWeight;

} // namespace quillby
