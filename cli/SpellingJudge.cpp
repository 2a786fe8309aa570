// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/SpellingJudge.h"

#include "cli/PersonalWords.h"
#include "lookup/LookupEngine.h"
#include "text/Codepage1252.h"

#include <QRegularExpression>

#include <algorithm>

namespace quillby::cli {

std::optional<std::string> ListSpelling(QStringView word)
{
    QString text = word.toString();
    text.replace(QChar(u'\u2019'), QLatin1Char('\''));
    // A letter written as its letter and a separate accent becomes the one letter.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x300; }))
        text = text.normalized(QString::NormalizationForm_C);
    std::string spelling = ToCp1252(text);
    // The text holds no "?" of its own: a "?" stands for a character the code page lacks.
    if (spelling.find('?') != std::string::npos && !text.contains(QLatin1Char('?')))
        return std::nullopt;
    return spelling;
}

SpellingJudge::SpellingJudge(LookupEngine &engine, const PersonalWords &personal,
                             std::size_t maxGuesses)
    : engine_(engine)
    , personal_(personal)
    , maxGuesses_(maxGuesses)
{
}

namespace {

// A number in Roman numerals, in lower case or in capitals: "ii", "XIV" (a list's items, a
// section of a document).
bool IsRomanNumeral(QStringView word)
{
    static const QRegularExpression roman(
        QStringLiteral("^(?:m{0,3}(?:cm|cd|d?c{0,3})(?:xc|xl|l?x{0,3})(?:ix|iv|v?i{0,3})|"
                       "M{0,3}(?:CM|CD|D?C{0,3})(?:XC|XL|L?X{0,3})(?:IX|IV|V?I{0,3}))$"));
    return !word.isEmpty() && roman.match(word.toString()).hasMatch();
}

} // namespace

bool SpellingJudge::IsRightAsWritten(QStringView word)
{
    if (personal_.Contains(word) || session_.Contains(word) || IsRomanNumeral(word))
        return true;
    const std::optional<std::string> spelling = ListSpelling(word);
    return !spelling || engine_.IsKnownSpelling(*spelling);
}

bool SpellingJudge::IsRight(QStringView word)
{
    if (IsRightAsWritten(word))
        return true;
    // "Boston's", "Boston’s".
    if (word.size() > 2 && (word.endsWith(u"'s") || word.endsWith(u"\u2019s")))
        return IsRightAsWritten(word.chopped(2));
    return false;
}

const std::vector<QString> &SpellingJudge::Guesses(QStringView word)
{
    const std::optional<std::string> spelling = ListSpelling(word);
    const std::string key = spelling.value_or(std::string());
    auto [known, added] = guesses_.try_emplace(key);
    if (!added || !spelling)
        return known->second;
    std::vector<QString> &guesses = known->second;
    std::optional<SearchResult> found =
        engine_.Search(*spelling, WordSource::Moby, SuggestionOrder::BestGuesses);
    if (!found)
        return guesses;
    std::vector<std::string_view> taken;
    for (const Suggestion &suggestion : found->suggestions) {
        if (maxGuesses_ > 0 && taken.size() == maxGuesses_)
            break;
        const std::string_view guess = suggestion.word;
        if (guess == *spelling || std::ranges::find(taken, guess) != taken.end() ||
            !engine_.IsKnownSpelling(guess))
            continue;
        taken.push_back(guess);
        guesses.push_back(FromCp1252(guess));
    }
    return guesses;
}

} // namespace quillby::cli
