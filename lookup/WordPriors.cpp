// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordPriors.h"

#include "data/LinesFingerprint.h"
#include "text/AsciiCase.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace quillby {

namespace {

// What a table that gives no estimate for unknown words takes for them: 0.005 uses per million.
constexpr int kUnknownWord = -530;
// Further than this many lines ahead, the next word is looked for by halves.
constexpr int kLinesWalked = 16;

// The place of the first byte where `a` and `b` differ, or the shorter one's size: equal bytes
// need no case folding, and most of the words compared are in lower case already.
std::size_t Mismatch(std::string_view a, std::string_view b, std::size_t from)
{
    const std::size_t common = std::min(a.size(), b.size());
    while (from < common && a[from] == b[from])
        ++from;
    return from;
}

// Compares the word a table line begins with (up to its tab) with a word lowered to ASCII lower
// case, by byte value. A tab sorts before every byte a word holds.
int CompareKey(std::string_view line, std::string_view word)
{
    for (std::size_t i = Mismatch(line, word, 0); i < std::min(line.size(), word.size());
         i = Mismatch(line, word, i + 1)) {
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

// Whether `a` sorts before `b` when both are lowered to ASCII lower case, by byte value.
bool LowerBefore(std::string_view a, std::string_view b)
{
    for (std::size_t i = Mismatch(a, b, 0); i < std::min(a.size(), b.size());
         i = Mismatch(a, b, i + 1)) {
        const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

// What a line tells after its word's tab: `logarithm TAB flags`.
WordPrior PriorAfterTab(std::string_view rest)
{
    int hundredths = kUnknownWord;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), hundredths);
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    return {hundredths / 100.0, rest.starts_with("\tk")};
}

} // namespace

WordPriors::WordPriors(std::string table)
    : WordPriors(std::string_view(), std::make_shared<const std::string>(std::move(table)))
{
}

WordPriors WordPriors::InPlace(std::string_view table, std::span<const unsigned char> listPriors)
{
    WordPriors priors(table, nullptr);
    priors.listPriors_ = listPriors;
    return priors;
}

WordPriors::WordPriors(std::string_view table, std::shared_ptr<const std::string> held)
    : held_(std::move(held))
    , table_(held_ ? std::string_view(*held_) : table)
    , unknown_{kUnknownWord / 100.0, false}
{
    if (table_.starts_with('\t'))
        unknown_ = {PriorAfterTab(table_.substr(1)).logFrequency, false};
}

std::size_t WordPriors::LowerBound(std::string_view word, std::size_t from) const
{
    // The table from a line's start on: its word is compared up to its tab.
    const auto from_line = [this](std::size_t start) { return table_.substr(start); };
    const auto next = [this](std::size_t start) {
        const std::size_t end = table_.find('\n', start);
        return end == std::string_view::npos ? table_.size() : end + 1;
    };
    // A few lines walked: the next word of a list in the table's order is most often there.
    for (int walked = 0; walked < kLinesWalked; ++walked) {
        if (from == table_.size() || CompareKey(from_line(from), word) >= 0)
            return from;
        from = next(from);
    }
    // Then by halves over the bytes. Every line that starts before `low` sorts before the word,
    // every line that starts at or after `high` does not.
    std::size_t low = from;
    std::size_t high = table_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        // The start of the line that holds the middle byte: not before `low`, a line start.
        const std::size_t lineEnd =
            middle == 0 ? std::string_view::npos : table_.rfind('\n', middle - 1);
        const std::size_t start = lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
        if (CompareKey(from_line(start), word) < 0)
            low = next(start);
        else
            high = start;
    }
    return low;
}

WordPrior WordPriors::OfLineAt(std::size_t at, std::string_view word) const
{
    if (at >= table_.size() || word.empty() || CompareKey(table_.substr(at), word) != 0)
        return unknown_;
    return PriorAfterTab(table_.substr(at + word.size() + 1));
}

WordPrior WordPriors::Of(std::string_view word) const
{
    if (table_.empty())
        return {};
    return OfLineAt(LowerBound(word, 0), word);
}

PackedPrior PackedPrior::Of(const WordPrior &prior)
{
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min() / 2;
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max() / 2;
    const double hundredths = std::clamp(std::round(prior.logFrequency * 100), kLowest, kHighest);
    return {static_cast<std::int16_t>(2 * hundredths + (prior.known ? 1 : 0))};
}

WordPrior WordPriors::ListPrior(std::size_t line) const
{
    const std::size_t at = LinesFingerprint::kBytes + 2 * line;
    return PackedPrior{static_cast<std::int16_t>(listPriors_[at] | listPriors_[at + 1] << 8)}
        .Unpack();
}

bool WordPriors::ListPriorsFit(std::span<const std::string_view> words) const
{
    if (listPriors_.size() != LinesFingerprint::kBytes + 2 * words.size())
        return false;
    std::uint64_t stored = 0;
    for (std::size_t i = 0; i < LinesFingerprint::kBytes; ++i)
        stored |= std::uint64_t{listPriors_[i]} << (8 * i);
    LinesFingerprint fingerprint;
    for (std::string_view word : words)
        fingerprint.Add(word);
    return fingerprint.Value() == stored;
}

std::vector<WordPrior> WordPriors::OfEach(std::span<const std::string_view> words) const
{
    std::vector<WordPrior> priors;
    priors.reserve(words.size());
    if (!table_.empty() && ListPriorsFit(words)) {
        for (std::size_t line = 0; line < words.size(); ++line)
            priors.push_back(ListPrior(line));
        return priors;
    }
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
    const ResourceBytes bytes = OpenResource(store, kRcData, kWordPriorsName);
    const std::optional<ResourceBytes> listPriors = store.Find(kRcData, kWordListPriorsName);
    return WordPriors::InPlace(
        std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()),
        listPriors.value_or(ResourceBytes()));
}

} // namespace quillby
