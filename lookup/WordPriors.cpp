// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordPriors.h"

#include "data/ListLoader.h"

#include <algorithm>
#include <charconv>

namespace quillby {

namespace {

// What a table that gives no estimate for unknown words takes for them: 0.005 uses per million.
constexpr int kUnknownWord = -530;

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares the word a table line begins with (up to its tab) with a word lowered to ASCII lower
// case, by byte value. A tab sorts before every byte a word holds.
int CompareKey(std::string_view line, std::string_view word)
{
    const std::size_t common = std::min(line.size(), word.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned char>(line[i]);
        const auto b = static_cast<unsigned char>(AsciiLower(word[i]));
        if (a == '\t')
            return -1;
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (line.size() > word.size())
        return line[word.size()] == '\t' ? 0 : 1;
    return line.size() == word.size() ? 0 : -1;
}

// Compares two words lowered to ASCII lower case, by byte value.
bool LowerBefore(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(AsciiLower(x)) <
               static_cast<unsigned char>(AsciiLower(y));
    });
}

// What a line tells after its word: `TAB logarithm TAB flags`.
WordPrior PriorOfLine(std::string_view line)
{
    const std::size_t tab = line.find('\t');
    std::string_view rest =
        tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    int hundredths = kUnknownWord;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), hundredths);
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    return {hundredths / 100.0, rest.find('k') != std::string_view::npos};
}

} // namespace

WordPriors::WordPriors(TextLines table)
    : table_(std::move(table))
    , unknown_{kUnknownWord / 100.0, false}
{
    if (!table_.empty() && table_[0].starts_with('\t'))
        unknown_ = {PriorOfLine(table_[0]).logFrequency, false};
}

std::size_t WordPriors::LowerBound(std::string_view word, std::size_t from) const
{
    // Steps growing from `from`, then halving back: a word near the last one is found in a few.
    std::size_t low = from;
    std::size_t step = 1;
    std::size_t high = from;
    while (high < table_.size() && CompareKey(table_[high], word) < 0) {
        low = high + 1;
        high += step;
        step *= 2;
    }
    high = std::min(high, table_.size());
    const auto found = std::lower_bound(
        table_.begin() + static_cast<std::ptrdiff_t>(low),
        table_.begin() + static_cast<std::ptrdiff_t>(high), word,
        [](std::string_view line, std::string_view w) { return CompareKey(line, w) < 0; });
    return static_cast<std::size_t>(found - table_.begin());
}

WordPrior WordPriors::OfLineAt(std::size_t at, std::string_view word) const
{
    if (at == table_.size() || word.empty() || CompareKey(table_[at], word) != 0)
        return unknown_;
    return PriorOfLine(table_[at]);
}

WordPrior WordPriors::Of(std::string_view word) const
{
    if (table_.empty())
        return {};
    const auto found = std::lower_bound(
        table_.begin(), table_.end(), word,
        [](std::string_view line, std::string_view w) { return CompareKey(line, w) < 0; });
    return OfLineAt(static_cast<std::size_t>(found - table_.begin()), word);
}

std::vector<WordPrior> WordPriors::OfEach(std::span<const std::string_view> words) const
{
    std::vector<WordPrior> priors;
    priors.reserve(words.size());
    std::size_t at = 0;
    std::string_view previous;
    for (std::string_view word : words) {
        if (table_.empty()) {
            priors.push_back({});
            continue;
        }
        // Every line before `at` sorts before the previous word, so before this one too unless
        // this one sorts before the previous.
        if (LowerBefore(word, previous))
            at = 0;
        at = LowerBound(word, at);
        priors.push_back(OfLineAt(at, word));
        previous = word;
    }
    return priors;
}

WordPriors LoadWordPriors(const ResourceStore &store)
{
    return WordPriors(LoadListResource(store, kWordPriorsName, {}));
}

} // namespace quillby
