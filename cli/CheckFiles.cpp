// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/CheckFiles.h"

#include "cli/SpellingJudge.h"
#include "cli/StandardOutput.h"
#include "cli/TextCheck.h"
#include "text/TextDecoding.h"

#include <QFile>

#include <cstdio>
#include <iostream>
#include <optional>

namespace quillby::cli {

namespace {

constexpr std::string_view kStandardInput = "-";

// The whole of a file, or of standard input; none when it cannot be read, after saying why.
std::optional<QByteArray> ReadAll(std::string_view name)
{
    QFile file;
    bool opened = false;
    if (name == kStandardInput) {
        opened = file.open(stdin, QIODevice::ReadOnly);
    } else {
        file.setFileName(QFile::decodeName(QByteArray(name.data(), qsizetype(name.size()))));
        opened = file.open(QIODevice::ReadOnly);
    }
    QByteArray bytes;
    if (opened)
        bytes = file.readAll();
    if (!opened || file.error() != QFileDevice::NoError) {
        std::cerr << "quillby-lookup: cannot read "
                  << (name == kStandardInput ? std::string("standard input") : std::string(name))
                  << ": " << file.errorString().toStdString() << '\n';
        return std::nullopt;
    }
    return bytes;
}

} // namespace

int CheckFiles(const std::vector<std::string_view> &files, SpellingJudge &judge,
               StandardOutput &out)
{
    const std::vector<std::string_view> names =
        files.empty() ? std::vector<std::string_view>{kStandardInput} : files;
    bool unreadable = false;
    std::size_t reported = 0;
    for (std::string_view name : names) {
        const std::optional<QByteArray> bytes = ReadAll(name);
        if (!bytes) {
            unreadable = true;
            continue;
        }
        const QString shownName = QString::fromLocal8Bit(name.data(), qsizetype(name.size()));
        const DecodedText text = DecodeText(std::string_view(bytes->constData(), bytes->size()));
        reported += CheckText(text.text, judge, [&](const Misspelling &misspelling) {
            out.Write((CheckLine(shownName, misspelling) + QLatin1Char('\n')).toStdString());
        });
    }
    if (!out.Flush() || unreadable)
        return 2;
    return reported > 0 ? 1 : 0;
}

} // namespace quillby::cli
