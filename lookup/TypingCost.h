// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string_view>

namespace quillby {

// How far a typed text is from the word the writer meant, in edits, case ignored: the cheapest
// way to write the word as typed, where an edit a writer easily makes costs less than one:
// - a vowel for another vowel ("seperate"), a letter for one that can spell the same sound
//   ("kat", "sinse"), or for a letter on a touching key ("tje");
// - a doubled letter written once or a single one written twice ("begining", "untill");
// - a letter often silent, or a vowel, left out ("rythm", "opposit", "intial");
// - two neighbouring letters swapped ("teh").
// Anything else costs one edit, and an edit of the first letter, which writers seldom get wrong,
// costs half as much again. Texts longer than any word are compared by their first 64
// bytes, each byte after those costing one edit.
double TypingCost(std::string_view typed, std::string_view intended);

} // namespace quillby
