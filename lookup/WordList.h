// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/DictionaryEntry.h"
#include "data/TextLines.h"
#include "lookup/CloseWords.h"
#include "lookup/StrRoutines.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quillby {

// What a list's lines hold: a bare word, or a dictionary line whose first field is the word.
enum class LineKind { Word, DictionaryEntry };

// One loaded list and what the searches read of it. The lines never change once the list is
// made, so what is built over them stays right for as long as the list lives: the fields of
// each dictionary line, the words' sound codes and their shapes for finding close words. Each
// is built when a search first needs it. Moving a list keeps every view into it valid.
class WordList {
public:
    WordList(TextLines lines, LineKind kind);
    // A copy's views would point into the list it was copied from.
    WordList(const WordList &) = delete;
    WordList &operator=(const WordList &) = delete;
    WordList(WordList &&) noexcept = default;
    WordList &operator=(WordList &&) noexcept = default;

    std::size_t size() const { return lines_.size(); }
    LineKind Kind() const { return kind_; }
    const TextLines &Lines() const { return lines_; }

    // The word of each line, index = line: the line itself, or a dictionary line's first field.
    std::span<const std::string_view> Words();
    // The fields of one line; a Word list's lines have no part of speech and no definition.
    DictionaryFields Entry(std::size_t line);
    // The sound code of each word, index = line.
    std::span<const SoundexKey> SoundCodes();
    // The words grouped by length and characters.
    const WordShapes &Shapes();

private:
    // Splits every dictionary line into its fields, once.
    void SplitEntries();

    TextLines lines_;
    LineKind kind_;
    // A dictionary list's fields, one of each per line, once split.
    std::vector<std::string_view> words_;
    std::vector<std::string_view> partsOfSpeech_;
    std::vector<std::string_view> definitions_;
    bool split_ = false;
    std::optional<std::vector<SoundexKey>> codes_;
    std::optional<WordShapes> shapes_;
};

} // namespace quillby
