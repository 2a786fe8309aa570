// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "cli/WordSet.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillby {
class LookupEngine;
}

namespace quillby::cli {

class PersonalWords;

// Says whether a word of running text is right, and what it may have been meant as: the
// engine's known spellings, the personal word list and the words accepted for the session.
class SpellingJudge {
public:
    // `engine` and `personal` must outlive the judge; `maxGuesses` words at most are guessed
    // for a word, 0 for no limit.
    SpellingJudge(LookupEngine &engine, const PersonalWords &personal, std::size_t maxGuesses);

    // Right: a known spelling, a word of the personal list or of the session, a number in Roman
    // numerals, or such a word with "'s" after it. A word with a character Windows-1252 lacks is not judged, and so right.
    bool IsRight(QStringView word);
    // The best guesses for a word that is not right: known spellings only, not the word itself,
    // the best first. Worked out once for each word.
    const std::vector<QString> &Guesses(QStringView word);
    // Takes `word` as right until the judge goes.
    void AcceptForSession(const QString &word) { session_.Add(word); }

private:
    bool IsRightAsWritten(QStringView word);

    LookupEngine &engine_;
    const PersonalWords &personal_;
    std::size_t maxGuesses_;
    WordSet session_;
    std::unordered_map<std::string, std::vector<QString>> guesses_;
};

// `word` as the word lists write it: Windows-1252, a typographic apostrophe as "'"; none when it
// holds a character the code page lacks.
std::optional<std::string> ListSpelling(QStringView word);

} // namespace quillby::cli
