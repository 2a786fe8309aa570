// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "text/WordCase.h"

#include "text/CaseFolding.h"

#include <algorithm>
#include <array>

namespace quillby {

namespace {

constexpr std::array<bool, 256> MakeCapitals()
{
    std::array<bool, 256> capitals{};
    for (int byte = 0; byte < 256; ++byte) {
        const char upper = UpperCase1252(static_cast<char>(byte));
        if (upper != static_cast<char>(byte))
            capitals[static_cast<unsigned char>(upper)] = true;
    }
    return capitals;
}

constexpr std::array<bool, 256> kCapitals = MakeCapitals();

bool HasCapitals(std::string_view word)
{
    return std::any_of(word.begin(), word.end(), IsCapital1252);
}

// Where the first letter of `word` is, small or capital; the size when it has none.
std::size_t FirstLetter(std::string_view word)
{
    const auto letter = std::find_if(word.begin(), word.end(),
                                     [](char c) { return IsCapital1252(c) || IsSmall1252(c); });
    return static_cast<std::size_t>(letter - word.begin());
}

} // namespace

bool IsCapital1252(char c)
{
    return kCapitals[static_cast<unsigned char>(c)];
}

bool IsSmall1252(char c)
{
    return UpperCase1252(c) != c;
}

WordCase CaseOf(std::string_view word)
{
    const std::size_t first = FirstLetter(word);
    if (first == word.size() || !HasCapitals(word))
        return WordCase::Lower;
    const std::string_view rest = word.substr(first + 1);
    if (IsCapital1252(word[first]) && !HasCapitals(rest))
        return WordCase::FirstCapital;
    if (std::none_of(word.begin(), word.end(), IsSmall1252))
        return WordCase::AllCapitals;
    return WordCase::OwnCapitals;
}

bool WrittenAsListed(std::string_view written, std::string_view listed)
{
    if (written.size() != listed.size())
        return false;
    const bool listedLower = !HasCapitals(listed);
    const std::size_t first = FirstLetter(listed);
    bool asListed = true, allCapitals = true, firstCapital = listedLower;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const char upper = UpperCase1252(listed[i]);
        asListed = asListed && written[i] == listed[i];
        allCapitals = allCapitals && written[i] == upper;
        firstCapital = firstCapital && written[i] == (i == first ? upper : listed[i]);
    }
    return asListed || allCapitals || firstCapital;
}

void AppendInCase(std::string &out, std::string_view word, WordCase typed)
{
    const std::size_t at = out.size();
    out += word;
    if (typed == WordCase::AllCapitals) {
        std::transform(out.begin() + static_cast<std::ptrdiff_t>(at), out.end(),
                       out.begin() + static_cast<std::ptrdiff_t>(at), UpperCase1252);
    } else if (typed == WordCase::FirstCapital && !HasCapitals(word)) {
        const std::size_t first = FirstLetter(word);
        if (first < word.size())
            out[at + first] = UpperCase1252(word[first]);
    }
}

} // namespace quillby
