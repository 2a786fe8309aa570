// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string>
#include <string_view>

namespace quillby {

// The case of Windows-1252 words, as a spell checker takes it: a word listed in lower case is
// right in lower case, with a first capital, or all in capitals; a word listed with capitals of
// its own ("Boston", "USA", "iPhone") is right with those capitals or all in capitals.

// Whether a character is a capital letter: the upper case of a small letter.
bool IsCapital1252(char c);
// Whether a character is a small letter: one with a capital.
bool IsSmall1252(char c);

// How a word is written: with no capitals; with a capital first letter and none after it (one
// capital letter alone counts here); all in capitals, two letters at least; or with capitals
// of its own.
enum class WordCase { Lower, FirstCapital, AllCapitals, OwnCapitals };
WordCase CaseOf(std::string_view word);

// Whether `written` is a right way to write the word listed as `listed`.
bool WrittenAsListed(std::string_view written, std::string_view listed);

// Appends `word` to `out` in the case of a word typed in `typed`: all in capitals for
// AllCapitals; with its first letter a capital for FirstCapital when the word has no capitals;
// else as it is.
void AppendInCase(std::string &out, std::string_view word, WordCase typed);

} // namespace quillby
