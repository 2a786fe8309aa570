// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/TextCheck.h"

#include "cli/SpellingJudge.h"
#include "text/WordSplitter.h"

namespace quillby::cli {

std::size_t CheckText(QStringView text, SpellingJudge &judge,
                      const std::function<void(const Misspelling &)> &report)
{
    std::size_t reported = 0;
    std::vector<TextWord> words;
    qsizetype lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        ++lineNumber;
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        if (end > start && text[end - 1] == u'\r')
            --end;
        const QStringView line = text.sliced(start, end - start);
        SplitWords(line, words);
        for (const TextWord &found : words) {
            const QStringView word = line.sliced(found.start, found.length);
            if (judge.IsRight(word))
                continue;
            report({lineNumber, found.column + 1, word, judge.Guesses(word)});
            ++reported;
        }
        start = next;
    }
    return reported;
}

QString CheckLine(const QString &name, const Misspelling &misspelling)
{
    QString line =
        QStringLiteral("%1:%2:%3: ")
            .arg(name, QString::number(misspelling.line), QString::number(misspelling.column));
    line += misspelling.word;
    line += QStringLiteral(" ==>");
    for (std::size_t i = 0; i < misspelling.guesses.size(); ++i) {
        line += i == 0 ? QStringLiteral(" ") : QStringLiteral(", ");
        line += misspelling.guesses[i];
    }
    return line;
}

} // namespace quillby::cli
