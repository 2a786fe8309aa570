// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/PersonalWords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

namespace quillby::cli {

namespace {

// A word of the list: something, and no space or control character in it.
bool IsOneWord(const QString &word)
{
    return !word.isEmpty() && std::none_of(word.begin(), word.end(), [](QChar c) {
        return c.isSpace() || c.category() == QChar::Other_Control;
    });
}

} // namespace

QString PersonalWords::DefaultPath()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    // As the base directory rules say: a relative or empty value is ignored.
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/quillby/personal-words.txt");
}

PersonalWords::PersonalWords(QString path)
    : path_(std::move(path))
{
    Read();
    if (!problem_.isEmpty()) {
        words_.clear();
        set_ = WordSet();
    }
}

void PersonalWords::Read()
{
    QFile file(path_);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        problem_ = QStringLiteral("cannot read %1: %2").arg(path_, file.errorString());
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem_ = QStringLiteral("cannot read %1: %2").arg(path_, file.errorString());
        return;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        problem_ = QStringLiteral("%1 is damaged: it is not UTF-8 text").arg(path_);
        return;
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString word = lines[i].trimmed();
        if (word.isEmpty())
            continue;
        if (!IsOneWord(word)) {
            problem_ =
                QStringLiteral("%1 is damaged: line %2 is not one word").arg(path_).arg(i + 1);
            return;
        }
        Add(word);
    }
}

bool PersonalWords::Add(const QString &word)
{
    if (!IsOneWord(word))
        return false;
    if (!words_.contains(word)) {
        words_.append(word);
        set_.Add(word);
    }
    return true;
}

QString PersonalWords::Save() const
{
    if (path_.isEmpty())
        return {};
    if (!problem_.isEmpty())
        return QStringLiteral("not saved over %1, which was not read (%2)").arg(path_, problem_);
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot save %1: cannot make the folder %2").arg(path_, folder);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot save %1: %2").arg(path_, file.errorString());
    for (const QString &word : words_)
        file.write((word + QLatin1Char('\n')).toUtf8());
    if (!file.commit())
        return QStringLiteral("cannot save %1: %2").arg(path_, file.errorString());
    return {};
}

} // namespace quillby::cli
