// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordPriors.h"

#include "data/ListLoader.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quillby {

namespace {

// The estimate adds up what each source tells, in uses per million words.
// - Any word of the lists is written now and then.
constexpr double kAnyWord = 0.05;
// - The k-th most frequent word is written about 60,000 / k times per million (Zipf's law).
constexpr double kMostFrequent = 60000.0;
// - The definitions hold about two million words.
constexpr double kPerDefinitionUse = 1.0 / 1.95;
// - A common word no other source counts is still written about once per million.
constexpr double kCommonWord = 1.0;
// - An often misspelled word is more often the word meant behind a misspelling.
constexpr double kOftenMisspelled = 3.0;

// - An inflected form ("parts", "parted", "parting", "partly") is written about a quarter as
//   often as its stem.
constexpr double kInflectedShare = 0.25;
// Stems shorter than this are not tried.
constexpr std::size_t kShortestStem = 3;

// Compares a table key with a word lowered to ASCII lower case, by byte value.
int CompareKey(std::string_view key, std::string_view word)
{
    const std::size_t common = std::min(key.size(), word.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned char>(key[i]);
        const auto b = static_cast<unsigned char>(AsciiLower(word[i]));
        if (a != b)
            return a < b ? -1 : 1;
    }
    return key.size() == word.size() ? 0 : (key.size() < word.size() ? -1 : 1);
}

std::string_view KeyOf(std::string_view line)
{
    return line.substr(0, line.find('\t'));
}

// The next tab-separated field of `rest`, which moves past it.
std::string_view NextField(std::string_view &rest)
{
    const std::size_t tab = rest.find('\t');
    const std::string_view field = rest.substr(0, tab);
    rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    return field;
}

unsigned Number(std::string_view field)
{
    unsigned value = 0;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

bool EndsWith(std::string_view word, std::string_view ending)
{
    if (word.size() < ending.size())
        return false;
    for (std::size_t i = 0; i < ending.size(); ++i) {
        if (AsciiLower(word[word.size() - ending.size() + i]) != ending[i])
            return false;
    }
    return true;
}

// Calls `try_stem` with each word that `word` may be an inflected form of: without "s", "ed",
// "d", "ing" or "ly", without "es" after s, x, z, ch, sh or o, with "y" for "ies" and "ied", with
// "e" for "ing", and without a doubled last consonant ("controlled", "planning").
template <typename TryStem> void ForEachStem(std::string_view word, TryStem try_stem)
{
    std::string stem;
    const auto tryCut = [&](std::size_t cut, std::string_view added) {
        if (word.size() < cut + kShortestStem)
            return;
        stem.assign(word.substr(0, word.size() - cut));
        stem += added;
        try_stem(stem);
        const std::size_t n = word.size() - cut;
        if (added.empty() && n >= kShortestStem + 1 &&
            AsciiLower(word[n - 1]) == AsciiLower(word[n - 2]))
            try_stem(std::string_view(stem).substr(0, n - 1));
    };
    if (EndsWith(word, "ies") || EndsWith(word, "ied"))
        tryCut(3, "y");
    else if (EndsWith(word, "ses") || EndsWith(word, "xes") || EndsWith(word, "zes") ||
             EndsWith(word, "ches") || EndsWith(word, "shes") || EndsWith(word, "oes"))
        tryCut(2, "");
    if (EndsWith(word, "s") && !EndsWith(word, "ss") && !EndsWith(word, "'s"))
        tryCut(1, "");
    if (EndsWith(word, "ed")) {
        tryCut(2, "");
        // "based" from "base", but not "thed" from "the".
        if (word.size() > kShortestStem + 1)
            tryCut(1, "");
    }
    if (EndsWith(word, "ing")) {
        tryCut(3, "");
        tryCut(3, "e");
    }
    if (EndsWith(word, "ly"))
        tryCut(2, "");
}

} // namespace

WordPriors::WordPriors(TextLines table)
    : table_(std::move(table))
{
}

double WordPriors::PerMillion(std::string_view word) const
{
    const auto found = std::lower_bound(
        table_.begin(), table_.end(), word,
        [](std::string_view line, std::string_view w) { return CompareKey(KeyOf(line), w) < 0; });
    double perMillion = kAnyWord;
    if (found != table_.end() && CompareKey(KeyOf(*found), word) == 0) {
        std::string_view rest = found->substr(KeyOf(*found).size());
        NextField(rest);
        const unsigned definitions = Number(NextField(rest));
        const unsigned rank = Number(NextField(rest));
        const std::string_view flags = NextField(rest);
        perMillion += definitions * kPerDefinitionUse;
        if (rank > 0)
            perMillion += kMostFrequent / rank;
        if (flags.find('c') != std::string_view::npos)
            perMillion += kCommonWord;
        if (flags.find('m') != std::string_view::npos)
            perMillion *= kOftenMisspelled;
    }
    return perMillion;
}

double WordPriors::LogFrequency(std::string_view word) const
{
    double perMillion = PerMillion(word);
    // An inflected form the sources seldom count is written about as often as a share of its
    // stem.
    ForEachStem(word, [&](std::string_view stem) {
        perMillion = std::max(perMillion, kInflectedShare * PerMillion(stem));
    });
    return std::log(perMillion);
}

WordPriors LoadWordPriors(const ResourceStore &store)
{
    return WordPriors(LoadListResource(store, kWordPriorsName, {}));
}

} // namespace quillby
