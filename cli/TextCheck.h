// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace quillby::cli {

class SpellingJudge;

// A word of running text that is not right, where it stands (line and column from 1, the
// column in characters), and its guesses.
struct Misspelling {
    qsizetype line = 0;
    qsizetype column = 0;
    QStringView word;
    const std::vector<QString> &guesses;
};

// Reports each word of `text` that `judge` does not take as right, in text order; lines end at
// LF, a CR before it left out. Returns how many it reported.
std::size_t CheckText(QStringView text, SpellingJudge &judge,
                      const std::function<void(const Misspelling &)> &report);

// The line --check prints for one misspelling of the file `name`:
// "NAME:LINE:COLUMN: WORD ==> GUESS, GUESS", nothing after "==>" when there is no guess.
QString CheckLine(const QString &name, const Misspelling &misspelling);

} // namespace quillby::cli
