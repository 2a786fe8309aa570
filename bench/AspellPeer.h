// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// GNU Aspell as the peer that best guesses are measured against: run as a child process
// (`aspell -a` in its normal suggestion mode, the English dictionary), never linked.

#include "text/Codepage1252.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

namespace quillby::bench {

inline const QStringList &AspellArguments()
{
    static const QStringList arguments = {QStringLiteral("-a"), QStringLiteral("--lang=en"),
                                          QStringLiteral("--sug-mode=normal"),
                                          QStringLiteral("--encoding=utf-8")};
    return arguments;
}

inline QString AspellProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("aspell"));
}

// What Aspell offers for each word (Windows-1252), in its order: the word itself when it
// accepts it, its suggestions when it does not (none when it has none). Empty when Aspell
// cannot be run.
inline std::vector<std::vector<std::string>>
AspellSuggestions(const std::vector<std::string> &words)
{
    const QString program = AspellProgram();
    if (program.isEmpty())
        return {};
    QByteArray input;
    for (const std::string &word : words) {
        // "^" keeps a line from being read as a command.
        input += '^';
        input += FromCp1252(word).toUtf8();
        input += '\n';
    }
    QProcess aspell;
    aspell.start(program, AspellArguments());
    if (!aspell.waitForStarted())
        return {};
    aspell.write(input);
    aspell.closeWriteChannel();
    aspell.waitForFinished(-1);
    const QList<QByteArray> lines = aspell.readAllStandardOutput().split('\n');

    std::vector<std::vector<std::string>> offered;
    std::size_t next = 1; // after the version line
    for (const std::string &word : words) {
        std::vector<std::string> suggestions = {word};
        bool first = true;
        // One line per word Aspell found in the input line, then an empty line.
        for (; next < static_cast<std::size_t>(lines.size()) && !lines[next].isEmpty(); ++next) {
            const QByteArray &line = lines[next];
            if (!first || line.isEmpty())
                continue;
            first = false;
            if (line.startsWith('#')) {
                suggestions.clear();
            } else if (line.startsWith('&') || line.startsWith('?')) {
                suggestions.clear();
                const qsizetype colon = line.indexOf(": ");
                for (const QByteArray &s : line.mid(colon + 2).split(','))
                    suggestions.push_back(ToCp1252(QString::fromUtf8(s.trimmed())));
            }
        }
        ++next;
        offered.push_back(std::move(suggestions));
    }
    return offered;
}

} // namespace quillby::bench
