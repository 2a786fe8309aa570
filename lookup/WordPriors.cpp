// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordPriors.h"

#include "data/ListLoader.h"

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

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

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

} // namespace

WordPriors::WordPriors(TextLines table)
    : table_(std::move(table))
{
}

double WordPriors::LogFrequency(std::string_view word) const
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
    return std::log(perMillion);
}

WordPriors LoadWordPriors(const ResourceStore &store)
{
    return WordPriors(LoadListResource(store, kWordPriorsName, {}));
}

} // namespace quillby
