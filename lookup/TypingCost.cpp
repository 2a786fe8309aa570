// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/TypingCost.h"

#include "text/CaseFolding.h"
#include "text/PlainLetter.h"

#include <algorithm>

namespace quillby {

namespace {

// What each easy edit costs, as a part of a full edit.
constexpr float kDiacritic = 0.1F;
constexpr float kVowelForVowel = 0.5F;
constexpr float kDoubling = 0.3F;
constexpr float kSilentLetter = 0.5F;
constexpr float kSwap = 0.6F;
constexpr float kDroppedVowel = 0.7F;
// Writers seldom get the first letter wrong: an edit there costs this much more.
constexpr float kFirstLetter = 1.5F;

// Longer texts are compared by their start only.
constexpr std::size_t kLongestCompared = 64;

// What a letter is, for the edits that cost less: bits of LetterKind, by upper-case plain letter.
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

// The kind of an upper-case byte, by its plain letter ("É" is a vowel).
unsigned char KindOf(char c)
{
    return kLetterKinds[static_cast<unsigned char>(PlainLetter(c))];
}

// What writing the upper-case byte `intended` as `typed` costs.
float SubstituteCost(char typed, char intended)
{
    if (typed == intended)
        return 0.0F;
    if (PlainLetter(typed) == PlainLetter(intended))
        return kDiacritic;
    if ((KindOf(typed) & kVowel) && (KindOf(intended) & kVowel))
        return kVowelForVowel;
    return 1.0F;
}

bool Doubled(std::string_view text, std::size_t i)
{
    return (i > 0 && text[i - 1] == text[i]) || (i + 1 < text.size() && text[i + 1] == text[i]);
}

void UpperCaseInto(std::string_view text, std::string &upper)
{
    upper.assign(text);
    for (char &c : upper)
        c = static_cast<char>(FoldedByte(c));
}

} // namespace

TypingCostPattern::TypingCostPattern(std::string_view typed)
    : beyond_(typed.size() > kLongestCompared ? float(typed.size() - kLongestCompared) : 0.0F)
{
    UpperCaseInto(typed.substr(0, kLongestCompared), typed_);
    substitute_.resize(typed_.size());
    extra_.resize(typed_.size());
    for (std::size_t i = 0; i < typed_.size(); ++i) {
        for (int byte = 0; byte < 256; ++byte)
            substitute_[i][byte] = SubstituteCost(typed_[i], static_cast<char>(byte));
        // A typed letter the word lacks: one written twice costs less.
        extra_[i] = (Doubled(typed_, i) ? kDoubling : 1.0F) * (i == 0 ? kFirstLetter : 1.0F);
    }
}

double TypingCostPattern::Cost(std::string_view intendedText)
{
    UpperCaseInto(intendedText, intended_);
    const std::string &typed = typed_;
    const std::string &intended = intended_;
    const std::size_t m = typed.size();
    const std::size_t n = intended.size();
    // A letter of the word that the typed text lacks: a doubled letter, a letter often silent
    // or a vowel costs less.
    missing_.resize(n);
    for (std::size_t j = 0; j < n; ++j) {
        float cost = 1.0F;
        const unsigned char kind = KindOf(intended[j]);
        if (Doubled(intended, j))
            cost = kDoubling;
        else if (kind & kOftenSilent)
            cost = kSilentLetter;
        else if (kind & kVowel)
            cost = kDroppedVowel;
        missing_[j] = j == 0 ? cost * kFirstLetter : cost;
    }

    // Three rows of the table: two back for a swap, the one before and the one being filled.
    rows_.resize(3 * (n + 1));
    float *before = rows_.data();
    float *previous = before + (n + 1);
    float *current = previous + (n + 1);
    previous[0] = 0.0F;
    for (std::size_t j = 1; j <= n; ++j)
        previous[j] = previous[j - 1] + missing_[j - 1];
    for (std::size_t i = 1; i <= m; ++i) {
        const char t = typed[i - 1];
        const float extra = extra_[i - 1];
        const std::array<float, 256> &substitute = substitute_[i - 1];
        current[0] = previous[0] + extra;
        if (n > 0) {
            // The word's first letter; written as the first typed letter it costs more to edit.
            float replace = substitute[static_cast<unsigned char>(intended[0])];
            if (i == 1)
                replace *= kFirstLetter;
            current[1] = std::min(previous[0] + replace,
                                  std::min(previous[1] + extra, current[0] + missing_[0]));
        }
        // Two typed letters written the other way round, from the second typed letter on.
        const bool canSwap = i > 1;
        const char typedBefore = canSwap ? typed[i - 2] : '\0';
        for (std::size_t j = 2; j <= n; ++j) {
            const char w = intended[j - 1];
            float best = std::min(previous[j - 1] + substitute[static_cast<unsigned char>(w)],
                                  std::min(previous[j] + extra, current[j - 1] + missing_[j - 1]));
            if (canSwap && t == intended[j - 2] && typedBefore == w && t != w)
                best = std::min(best, before[j - 2] + kSwap);
            current[j] = best;
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[n] + beyond_;
}

double TypingCost(std::string_view typed, std::string_view intended)
{
    return TypingCostPattern(typed).Cost(intended);
}

} // namespace quillby
