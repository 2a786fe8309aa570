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
// ignored); for typed text under four characters the words within one edit. A text holding "%"
// asks for a prefix: only the search's own suggestions, the most common words first.
//
// Otherwise the order is by score, lowest first: the typing cost from the typed text to the
// word (TypingCost, in edits) times kEditWeight, less the logarithm of how often the word is
// written (WordPriors), less kSameSoundBonus when the word has the typed text's sound code. A
// word equal to the typed text, case ignored, comes before all others when it is a known
// spelling, as it is spelled right; a typed word that is no known spelling (a misspelling the
// list happens to hold) competes by its score like any other. Equal scores keep list order; the
// lines of one word (a Webster word's senses) stay together in list order, where its first line
// ranks.
std::vector<std::size_t> BestGuessLines(WordList &list, std::string_view typed,
                                        const WordPriors &priors);

// How much one edit weighs against the logarithm of a word's frequency (a full edit is worth a
// word about 400 times as common), and what the same sound code is worth.
inline constexpr double kEditWeight = 6.0;
inline constexpr double kSameSoundBonus = 1.0;

} // namespace quillby
