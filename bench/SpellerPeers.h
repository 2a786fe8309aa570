// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// GNU Aspell and Hunspell as the peers that best guesses are measured against: each run as a
// child process speaking the ispell pipe (`-a`, the English dictionary; Aspell in its normal
// suggestion mode), never linked.

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

// A peer as it is started: its name in the tables, its program and its arguments.
struct SpellerPeer {
    const char *name;
    QString program;
    QStringList arguments;

    bool Found() const { return !program.isEmpty(); }
};

inline SpellerPeer Aspell()
{
    return {"GNU Aspell (normal mode)",
            QStandardPaths::findExecutable(QStringLiteral("aspell")),
            {QStringLiteral("-a"), QStringLiteral("--lang=en"), QStringLiteral("--sug-mode=normal"),
             QStringLiteral("--encoding=utf-8")}};
}

inline SpellerPeer Hunspell()
{
    return {"Hunspell (en_US)",
            QStandardPaths::findExecutable(QStringLiteral("hunspell")),
            {QStringLiteral("-a"), QStringLiteral("-d"), QStringLiteral("en_US"),
             QStringLiteral("-i"), QStringLiteral("utf-8")}};
}

// What the peer answers for one word: whether it accepts it as written, and else its
// suggestions in its order (none when it has none).
struct PeerAnswer {
    bool accepted = false;
    std::vector<std::string> suggestions;

    // What it offers: the word itself when accepted, else its suggestions.
    std::vector<std::string> Offered(const std::string &word) const
    {
        return accepted ? std::vector<std::string>{word} : suggestions;
    }
};

// The peer's answer for each word (Windows-1252); empty when the peer cannot be run.
inline std::vector<PeerAnswer> AskPeer(const SpellerPeer &peer,
                                       const std::vector<std::string> &words)
{
    if (!peer.Found())
        return {};
    QByteArray input;
    for (const std::string &word : words) {
        // "^" keeps a line from being read as a command.
        input += '^';
        input += FromCp1252(word).toUtf8();
        input += '\n';
    }
    QProcess process;
    process.start(peer.program, peer.arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');

    std::vector<PeerAnswer> answers;
    std::size_t next = 1; // after the version line
    for (std::size_t i = 0; i < words.size(); ++i) {
        PeerAnswer answer{true, {}};
        bool first = true;
        // One line per word the peer found in the input line, then an empty line; the first
        // tells.
        for (; next < static_cast<std::size_t>(lines.size()) && !lines[next].isEmpty(); ++next) {
            const QByteArray &line = lines[next];
            if (!first)
                continue;
            first = false;
            if (line.startsWith('#')) {
                answer.accepted = false;
            } else if (line.startsWith('&') || line.startsWith('?')) {
                answer.accepted = false;
                const qsizetype colon = line.indexOf(": ");
                for (const QByteArray &s : line.mid(colon + 2).split(','))
                    answer.suggestions.push_back(ToCp1252(QString::fromUtf8(s.trimmed())));
            }
        }
        ++next;
        answers.push_back(std::move(answer));
    }
    return answers;
}

} // namespace quillby::bench
