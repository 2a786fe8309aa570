// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/DictionaryEntry.h"
#include "data/TextLines.h"
#include "lookup/GuessIndex.h"
#include "lookup/SoundGroups.h"
#include "lookup/Soundex.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quillby {

// What a list's lines hold: a bare word, or a dictionary line whose first field is the word.
enum class LineKind { Word, DictionaryEntry };

// What the searches read of one loaded list, over a view of its lines: the fields of each
// dictionary line, the words' sound codes and their groups, and what best guesses look up
// (GuessIndex), each built
// when a search first needs it. The list's owner keeps the lines, unchanged, for as long as the
// WordList lives; a list that changes is handed over again, to a new WordList.
class WordList {
public:
    WordList(const TextLines &lines, LineKind kind);
    // A temporary list would be gone before it is searched.
    WordList(const TextLines &&, LineKind) = delete;
    // What is built over a list is large: it is moved, never copied.
    WordList(const WordList &) = delete;
    WordList &operator=(const WordList &) = delete;
    WordList(WordList &&) noexcept = default;
    WordList &operator=(WordList &&) noexcept = default;

    std::size_t size() const { return lines_->size(); }
    LineKind Kind() const { return kind_; }
    const TextLines &Lines() const { return *lines_; }

    // The word of each line, index = line: the line itself, or a dictionary line's first field.
    std::span<const std::string_view> Words();
    // The fields of one line; a Word list's lines have no part of speech and no definition.
    DictionaryFields Entry(std::size_t line);
    // The sound code of each word, index = line.
    std::span<const SoundexKey> SoundCodes();
    // The lines grouped by sound code.
    const SoundGroups &Sounds();
    // What best guesses look up in the list, with how common its words are by `priors`, which
    // stays the same for the list's life.
    const GuessIndex &Guesses(const WordPriors &priors);

private:
    // Splits every dictionary line into its fields, once.
    void SplitEntries();

    const TextLines *lines_;
    LineKind kind_;
    // A dictionary list's fields, one of each per line, once split.
    std::vector<std::string_view> words_;
    std::vector<std::string_view> partsOfSpeech_;
    std::vector<std::string_view> definitions_;
    bool split_ = false;
    std::optional<std::vector<SoundexKey>> codes_;
    std::optional<SoundGroups> sounds_;
    std::optional<GuessIndex> guesses_;
};

} // namespace quillby
