// SPDX-License-Identifier: GPL-2.0-or-later
#include "TypingCost.h"

#include "KeyboardNeighbours.h"
#include "OsaDistance.h"

#include <algorithm>
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

bool IsVowel(char c)
{
    return std::string_view("AEIOUY").find(c) != std::string_view::npos;
}

// Letters often written for one another because they can spell the same sound.
bool SameSound(char a, char b)
{
    constexpr std::string_view kPairs[] = {"CK", "CS", "KQ", "CQ", "SZ", "GJ",
                                           "FV", "DT", "BP", "MN", "XZ"};
    for (std::string_view pair : kPairs) {
        if ((a == pair[0] && b == pair[1]) || (a == pair[1] && b == pair[0]))
            return true;
    }
    return false;
}

// Letters that words often hold without sounding them.
bool OftenSilent(char c)
{
    return std::string_view("EHUWKBG").find(c) != std::string_view::npos;
}

double SubstituteCost(char typed, char intended)
{
    if (typed == intended)
        return 0.0;
    double cost = 1.0;
    if (IsVowel(typed) && IsVowel(intended))
        cost = std::min(cost, kVowelForVowel);
    if (SameSound(typed, intended))
        cost = std::min(cost, kSameSound);
    if (NeighbouringKeys(typed, intended))
        cost = std::min(cost, kTouchingKey);
    return cost;
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
    const std::size_t width = n + 1;
    std::vector<double> cost((m + 1) * width);
    const auto at = [&](std::size_t i, std::size_t j) -> double & { return cost[i * width + j]; };
    for (std::size_t j = 1; j <= n; ++j)
        at(0, j) = at(0, j - 1) + MissingCost(intended, j - 1);
    for (std::size_t i = 1; i <= m; ++i) {
        at(i, 0) = at(i - 1, 0) + ExtraCost(typed, i - 1);
        for (std::size_t j = 1; j <= n; ++j) {
            const double substitute = SubstituteCost(typed[i - 1], intended[j - 1]) *
                                      (i == 1 && j == 1 ? kFirstLetter : 1.0);
            double best =
                std::min({at(i - 1, j - 1) + substitute, at(i - 1, j) + ExtraCost(typed, i - 1),
                          at(i, j - 1) + MissingCost(intended, j - 1)});
            if (i > 1 && j > 1 && typed[i - 1] == intended[j - 2] &&
                typed[i - 2] == intended[j - 1] && typed[i - 1] != typed[i - 2])
                best = std::min(best, at(i - 2, j - 2) + kSwap);
            at(i, j) = best;
        }
    }
    return at(m, n) + beyond;
}

} // namespace quillby
