// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// quillby-lookup run as a user runs it: arguments, standard input, and what it printed.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quillby::test {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QStringList lines;
    QString errors;
};

// Runs quillby-lookup with `arguments` and `input` on standard input; `dataHome` is its
// XDG_DATA_HOME, where the personal word list is (empty: as it is).
inline ToolRun Lookup(const QStringList &arguments, const QByteArray &input = QByteArray(),
                      const QString &dataHome = QString())
{
    QProcess process;
    if (!dataHome.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(QUILLBY_LOOKUP_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    ToolRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
    if (!run.lines.isEmpty() && run.lines.back().isEmpty())
        run.lines.removeLast();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace quillby::test
