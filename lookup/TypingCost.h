// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// How far a typed text is from the word the writer meant, in edits, case ignored: the cheapest
// way to write the word as typed, where an edit a writer easily makes costs less than one:
// - a letter with a diacritic for its plain letter, or the other way ("cafe" for "café"), almost
//   nothing;
// - a vowel for another vowel ("seperate");
// - a doubled letter written once or a single one written twice ("begining", "untill");
// - a letter often silent, or a vowel, left out ("rythm", "opposit", "intial");
// - two neighbouring letters swapped ("teh").
// Anything else costs one edit, and an edit of the first letter, which writers seldom get wrong,
// costs half as much again. Texts longer than any word are compared by their first 64 bytes,
// each byte after those costing one edit.
//
// The typed text is prepared once and then compared with many words.
class TypingCostPattern {
public:
    explicit TypingCostPattern(std::string_view typed);

    double Cost(std::string_view intended);

private:
    // The typed text's first bytes in upper case, with diacritics.
    std::string typed_;
    // What each byte of a word costs written as the typed byte, for each typed byte.
    std::vector<std::array<float, 256>> substitute_;
    // What each typed byte that the word lacks costs.
    std::vector<float> extra_;
    float beyond_ = 0.0F;
    // Rows of the table and the word's costs, kept between words.
    std::vector<float> rows_;
    std::vector<float> missing_;
    std::string intended_;
};

// The cost for one word; prepares the typed text each time.
double TypingCost(std::string_view typed, std::string_view intended);

} // namespace quillby
