// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/WordPriors.h"

#include "data/LinesFingerprint.h"
#include "text/AsciiCase.h"
#include "text/WordCase.h"

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

// What a line tells after its word's tab, up to its end: `logarithm TAB spellings`.
struct AfterTab {
    int hundredths = kUnknownWord;
    std::string_view spellings;
};

AfterTab FieldsAfterTab(std::string_view rest)
{
    rest = rest.substr(0, rest.find('\n'));
    AfterTab fields;
    const auto [end, error] =
        std::from_chars(rest.data(), rest.data() + rest.size(), fields.hundredths);
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    if (rest.starts_with('\t'))
        fields.spellings = rest.substr(1);
    return fields;
}

// Calls `use(way)` with each way of the spellings field that is the table's `word` in another
// case, until it returns true; whether one did.
template <typename Use>
bool AnyWayWithCapitals(std::string_view spellings, std::string_view word, Use use)
{
    if (spellings == "k" || spellings == "-")
        return false;
    while (!spellings.empty()) {
        const std::size_t space = spellings.find(' ');
        const std::string_view way = spellings.substr(0, space);
        spellings =
            space == std::string_view::npos ? std::string_view() : spellings.substr(space + 1);
        if (way.size() == word.size() &&
            std::equal(way.begin(), way.end(), word.begin(),
                       [](char a, char b) { return AsciiLower(a) == b; }) &&
            use(way))
            return true;
    }
    return false;
}

WordPrior PriorOfFields(const AfterTab &fields, std::string_view word)
{
    WordPrior prior{fields.hundredths / 100.0, fields.spellings == "k", false};
    if (!prior.known)
        prior.known = prior.ownCapitals =
            AnyWayWithCapitals(fields.spellings, word, [](std::string_view) { return true; });
    return prior;
}

// The fingerprint stored in the first bytes of `bytes`, when they are that long.
std::optional<std::uint64_t> StoredFingerprint(std::span<const unsigned char> bytes)
{
    if (bytes.size() < LinesFingerprint::kBytes)
        return std::nullopt;
    std::uint64_t stored = 0;
    for (std::size_t i = 0; i < LinesFingerprint::kBytes; ++i)
        stored |= std::uint64_t{bytes[i]} << (8 * i);
    return stored;
}

std::span<const unsigned char> Bytes(std::string_view text)
{
    return {reinterpret_cast<const unsigned char *>(text.data()), text.size()};
}

} // namespace

WordPriors::WordPriors(std::string table, std::string addedWords)
    : WordPriors(std::string_view(), std::make_shared<const std::string>(std::move(table)))
{
    heldAdded_ = std::make_shared<const std::string>(std::move(addedWords));
    addedWords_ = *heldAdded_;
}

WordPriors WordPriors::InPlace(std::string_view table, std::span<const unsigned char> listPriors,
                               std::string_view addedWords)
{
    WordPriors priors(table, nullptr);
    priors.listPriors_ = listPriors;
    priors.addedWords_ = addedWords;
    return priors;
}

WordPriors::WordPriors(std::string_view table, std::shared_ptr<const std::string> held)
    : held_(std::move(held))
    , table_(held_ ? std::string_view(*held_) : table)
    , unknown_{kUnknownWord / 100.0, false, false}
{
    if (table_.starts_with('\t'))
        unknown_ = {FieldsAfterTab(table_.substr(1)).hundredths / 100.0, false, false};
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

std::optional<std::string_view> WordPriors::SpellingsAt(std::size_t at, std::string_view word) const
{
    if (at >= table_.size() || word.empty() || CompareKey(table_.substr(at), word) != 0)
        return std::nullopt;
    return FieldsAfterTab(table_.substr(at + word.size() + 1)).spellings;
}

WordPrior WordPriors::OfLineAt(std::size_t at, std::string_view word) const
{
    if (at >= table_.size() || word.empty() || CompareKey(table_.substr(at), word) != 0)
        return unknown_;
    return PriorOfFields(FieldsAfterTab(table_.substr(at + word.size() + 1)),
                         table_.substr(at, word.size()));
}

WordPrior WordPriors::Of(std::string_view word) const
{
    if (table_.empty())
        return {};
    return OfLineAt(LowerBound(word, 0), word);
}

bool WordPriors::IsKnownAsWritten(std::string_view word) const
{
    if (table_.empty())
        return true;
    const std::size_t at = LowerBound(word, 0);
    const std::optional<std::string_view> spellings = SpellingsAt(at, word);
    if (!spellings)
        return false;
    // The table's own word is the word in lower case.
    const std::string_view lower = table_.substr(at, word.size());
    if (*spellings == "k")
        return WrittenAsListed(word, lower);
    return AnyWayWithCapitals(*spellings, lower,
                              [word](std::string_view way) { return WrittenAsListed(word, way); });
}

std::string_view WordPriors::ListedWithCapitals(std::string_view word) const
{
    const std::size_t at = table_.empty() ? 0 : LowerBound(word, 0);
    const std::optional<std::string_view> spellings = SpellingsAt(at, word);
    std::string_view first;
    if (spellings) {
        AnyWayWithCapitals(*spellings, table_.substr(at, word.size()),
                           [&first](std::string_view way) {
                               first = way;
                               return true;
                           });
    }
    return first;
}

PackedPrior PackedPrior::Of(const WordPrior &prior)
{
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min() / 4;
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max() / 4;
    const double hundredths = std::clamp(std::round(prior.logFrequency * 100), kLowest, kHighest);
    return {static_cast<std::int16_t>(4 * hundredths + (prior.ownCapitals ? 2 : 0) +
                                      (prior.known ? 1 : 0))};
}

PackedPrior WordPriors::ListPrior(std::size_t line) const
{
    const std::size_t at = LinesFingerprint::kBytes + 2 * line;
    return {static_cast<std::int16_t>(listPriors_[at] | listPriors_[at + 1] << 8)};
}

WordPriors::ListPriors WordPriors::ForList(std::span<const std::string_view> words) const
{
    ListPriors result;
    std::vector<PackedPrior> &priors = result.each;
    priors.reserve(words.size());
    const bool listPriorsSized = listPriors_.size() == LinesFingerprint::kBytes + 2 * words.size();
    const std::optional<std::uint64_t> addedFor = StoredFingerprint(Bytes(addedWords_));
    std::optional<std::uint64_t> fingerprint;
    if (!table_.empty() && (listPriorsSized || addedFor)) {
        LinesFingerprint lines;
        for (std::string_view word : words)
            lines.Add(word);
        fingerprint = lines.Value();
    }
    if (fingerprint && fingerprint == addedFor)
        result.added = addedWords_.substr(LinesFingerprint::kBytes);
    if (listPriorsSized && fingerprint == StoredFingerprint(listPriors_)) {
        result.fromListPriors = true;
        for (std::size_t line = 0; line < words.size(); ++line)
            priors.push_back(ListPrior(line));
        return result;
    }
    std::size_t at = 0;
    std::string_view previous;
    for (std::string_view word : words) {
        if (table_.empty()) {
            priors.push_back(PackedPrior::Of({}));
            continue;
        }
        // Every line before `at` sorts before the previous word, so before this one too unless
        // this one sorts before the previous.
        if (LowerBefore(word, previous))
            at = 0;
        at = LowerBound(word, at);
        priors.push_back(PackedPrior::Of(OfLineAt(at, word)));
        previous = word;
    }
    return result;
}

std::vector<WordPrior> WordPriors::OfEach(std::span<const std::string_view> words) const
{
    std::vector<WordPrior> each;
    for (PackedPrior prior : ForList(words).each)
        each.push_back(prior.Unpack());
    return each;
}

WordPriors LoadWordPriors(const ResourceStore &store)
{
    const ResourceBytes bytes = OpenResource(store, kRcData, kWordPriorsName);
    const std::optional<ResourceBytes> listPriors = store.Find(kRcData, kWordListPriorsName);
    const std::optional<ResourceBytes> added = store.Find(kRcData, kAddedWordsName);
    const auto text = [](const ResourceBytes &bytes) {
        return std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    };
    return WordPriors::InPlace(text(bytes), listPriors.value_or(ResourceBytes()),
                               text(added.value_or(ResourceBytes())));
}

} // namespace quillby
