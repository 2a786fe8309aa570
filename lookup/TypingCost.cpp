// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/TypingCost.h"

#include "lookup/KeyboardNeighbours.h"
#include "text/CaseFolding.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace quillby {

namespace {

// What each easy edit costs, as a part of a full edit.
constexpr double kVowelForVowel = 0.5;
constexpr double kSameSound = 0.5;
constexpr double kTouchingKey = 0.6;
constexpr double kDoubling = 0.3;
constexpr double kSilentLetter = 0.5;
constexpr double kSwap = 0.6;
constexpr double kDroppedVowel = 0.7;
// Writers seldom get the first letter wrong: an edit there costs this much more.
constexpr double kFirstLetter = 1.5;

// Longer texts are compared by their start only.
constexpr std::size_t kLongestCompared = 64;

// What a letter is, for the edits that cost less: bits of LetterKind.
enum LetterKind : unsigned char { kVowel = 1, kOftenSilent = 2 };

constexpr std::array<unsigned char, 256> MakeLetterKinds()
{
    std::array<unsigned char, 256> kinds{};
    for (char c : std::string_view("AEIOUY"))
        kinds[static_cast<unsigned char>(c)] |= kVowel;
    // Letters that words often hold without sounding them.
    for (char c : std::string_view("EHUWKBG"))
        kinds[static_cast<unsigned char>(c)] |= kOftenSilent;
    return kinds;
}

constexpr std::array<unsigned char, 256> kLetterKinds = MakeLetterKinds();

bool IsVowel(char c)
{
    return kLetterKinds[static_cast<unsigned char>(c)] & kVowel;
}

bool OftenSilent(char c)
{
    return kLetterKinds[static_cast<unsigned char>(c)] & kOftenSilent;
}

// What writing one letter for another costs, A to Z: a vowel for a vowel, a letter for one
// that can spell the same sound, or for a letter on a touching key cost less than an edit.
using SubstituteCosts = std::array<std::array<double, 26>, 26>;

SubstituteCosts MakeSubstituteCosts()
{
    constexpr std::string_view kSameSoundPairs[] = {"CK", "CS", "KQ", "CQ", "SZ", "GJ",
                                                    "FV", "DT", "BP", "MN", "XZ"};
    SubstituteCosts costs{};
    for (int a = 0; a < 26; ++a) {
        for (int b = 0; b < 26; ++b) {
            const char typed = static_cast<char>('A' + a);
            const char intended = static_cast<char>('A' + b);
            double cost = a == b ? 0.0 : 1.0;
            if (a != b && IsVowel(typed) && IsVowel(intended))
                cost = std::min(cost, kVowelForVowel);
            if (NeighbouringKeys(typed, intended))
                cost = std::min(cost, kTouchingKey);
            costs[a][b] = cost;
        }
    }
    for (std::string_view pair : kSameSoundPairs) {
        double &cost = costs[pair[0] - 'A'][pair[1] - 'A'];
        cost = std::min(cost, kSameSound);
        costs[pair[1] - 'A'][pair[0] - 'A'] = cost;
    }
    return costs;
}

double SubstituteCost(char typed, char intended)
{
    static const SubstituteCosts costs = MakeSubstituteCosts();
    if (typed == intended)
        return 0.0;
    if (typed < 'A' || typed > 'Z' || intended < 'A' || intended > 'Z')
        return 1.0;
    return costs[typed - 'A'][intended - 'A'];
}

bool Doubled(const std::string &text, std::size_t i)
{
    return (i > 0 && text[i - 1] == text[i]) || (i + 1 < text.size() && text[i + 1] == text[i]);
}

// The typed letter at `i` that the word lacks.
double ExtraCost(const std::string &typed, std::size_t i)
{
    return (Doubled(typed, i) ? kDoubling : 1.0) * (i == 0 ? kFirstLetter : 1.0);
}

// The word's letter at `j` that the typed text lacks.
double MissingCost(const std::string &intended, std::size_t j)
{
    double cost = 1.0;
    if (Doubled(intended, j))
        cost = kDoubling;
    else if (OftenSilent(intended[j]))
        cost = kSilentLetter;
    else if (IsVowel(intended[j]))
        cost = kDroppedVowel;
    return j == 0 ? cost * kFirstLetter : cost;
}

std::string Folded(std::string_view text)
{
    std::string folded(text);
    for (char &c : folded)
        c = static_cast<char>(FoldedByte(c));
    return folded;
}

} // namespace

double TypingCost(std::string_view typedText, std::string_view intendedText)
{
    const double beyond =
        typedText.size() > kLongestCompared ? double(typedText.size() - kLongestCompared) : 0.0;
    const std::string typed = Folded(typedText.substr(0, kLongestCompared));
    const std::string intended = Folded(intendedText);
    const std::size_t m = typed.size();
    const std::size_t n = intended.size();
    // What leaving out each letter costs, either way, worked out once.
    std::vector<double> extra(m), missing(n);
    for (std::size_t i = 0; i < m; ++i)
        extra[i] = ExtraCost(typed, i);
    for (std::size_t j = 0; j < n; ++j)
        missing[j] = MissingCost(intended, j);

    // Three rows of the table: two back for a swap, the one before and the one being filled.
    std::vector<double> rows(3 * (n + 1));
    double *before = rows.data();
    double *previous = before + (n + 1);
    double *current = previous + (n + 1);
    previous[0] = 0.0;
    for (std::size_t j = 1; j <= n; ++j)
        previous[j] = previous[j - 1] + missing[j - 1];
    for (std::size_t i = 1; i <= m; ++i) {
        current[0] = previous[0] + extra[i - 1];
        const char t = typed[i - 1];
        for (std::size_t j = 1; j <= n; ++j) {
            const char w = intended[j - 1];
            double substitute = SubstituteCost(t, w);
            if (i == 1 && j == 1)
                substitute *= kFirstLetter;
            double best = std::min({previous[j - 1] + substitute, previous[j] + extra[i - 1],
                                    current[j - 1] + missing[j - 1]});
            if (i > 1 && j > 1 && t == intended[j - 2] && typed[i - 2] == w && t != w)
                best = std::min(best, before[j - 2] + kSwap);
            current[j] = best;
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[n] + beyond;
}

} // namespace quillby
