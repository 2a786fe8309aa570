// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// Small lists for the lookup tests, and the words a search shows.

#include "lookup/LookupEngine.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quillby::testing {

using Strings = std::vector<std::string>;

// Lines joined with CR LF after each, as the lists hold them.
inline TextLines Lines(const Strings &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return TextLines(std::move(text));
}

inline Strings Words(const Suggestions &found)
{
    Strings words;
    for (const Suggestion &s : found)
        words.emplace_back(s.word);
    return words;
}

// A prior table of these lines, each ended by LF.
inline std::string Table(const Strings &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\n";
    return text;
}

// The words a search shows; none when it had nothing to search.
inline std::optional<Strings> Words(const std::optional<SearchResult> &result)
{
    if (!result)
        return std::nullopt;
    return Words(result->suggestions);
}

// `lines` as a list kept until the test program ends, so that engines may search it.
inline const TextLines &Kept(const Strings &lines)
{
    // A deque: what it holds stays where it is as it grows.
    static std::deque<TextLines> kept;
    return kept.emplace_back(Lines(lines));
}

// An engine over a Moby list and the Webster lists of some letters, with the prior table
// `priors` (lines `word TAB logarithm TAB flags`).
inline LookupEngine EngineOver(const Strings &moby,
                               const std::vector<std::pair<char, Strings>> &webster = {},
                               const Strings &priors = {})
{
    LookupEngine engine([priors] { return WordPriors(Table(priors)); });
    engine.SetMobyList(Kept(moby));
    for (const auto &[letter, lines] : webster)
        engine.SetWebsterList(letter, Kept(lines));
    return engine;
}

} // namespace quillby::testing
