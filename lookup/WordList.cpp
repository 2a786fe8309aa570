// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordList.h"

namespace quillby {

WordList::WordList(const TextLines &lines, LineKind kind)
    : lines_(&lines)
    , kind_(kind)
{
}

void WordList::SplitEntries()
{
    if (split_)
        return;
    std::vector<std::string_view> words, partsOfSpeech, definitions;
    words.reserve(size());
    partsOfSpeech.reserve(size());
    definitions.reserve(size());
    for (std::string_view line : *lines_) {
        const DictionaryFields fields = SplitDictionaryLine(line);
        words.push_back(fields.word);
        partsOfSpeech.push_back(fields.partOfSpeech);
        definitions.push_back(fields.definition);
    }
    words_ = std::move(words);
    partsOfSpeech_ = std::move(partsOfSpeech);
    definitions_ = std::move(definitions);
    split_ = true;
}

std::span<const std::string_view> WordList::Words()
{
    if (kind_ == LineKind::Word)
        return lines_->lines();
    SplitEntries();
    return words_;
}

DictionaryFields WordList::Entry(std::size_t line)
{
    if (kind_ == LineKind::Word)
        return {(*lines_)[line], {}, {}};
    SplitEntries();
    return {words_[line], partsOfSpeech_[line], definitions_[line]};
}

std::span<const SoundexKey> WordList::SoundCodes()
{
    if (!codes_) {
        std::vector<SoundexKey> codes;
        codes.reserve(size());
        for (std::string_view word : Words())
            codes.push_back(SoundexKeyOf(word));
        codes_ = std::move(codes);
    }
    return *codes_;
}

const SoundGroups &WordList::Sounds()
{
    if (!sounds_)
        sounds_.emplace(SoundCodes());
    return *sounds_;
}

const GuessIndex &WordList::Guesses(const WordPriors &priors)
{
    if (!guesses_)
        guesses_.emplace(Words(), priors);
    return *guesses_;
}

} // namespace quillby
