// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The manual page lists the options the program takes, each with the value it takes: the same
// table that the parser and --help read.

#include "cli/Options.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

using namespace quillby::cli;

// Each item of the page's OPTIONS section: the line naming it, with "\-" read as "-".
QStringList ManualOptionLines()
{
    QFile page(QStringLiteral(QUILLBY_LOOKUP_MAN_SOURCE));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(page.readAll()).split(QLatin1Char('\n'));
    QStringList items;
    bool inOptions = false;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].startsWith(QStringLiteral(".SH")))
            inOptions = lines[i] == QStringLiteral(".SH OPTIONS");
        if (inOptions && lines[i] == QStringLiteral(".TP"))
            items << QString(lines[i + 1]).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    }
    return items;
}

TEST(OptionTable, TheManualPageListsEveryOptionWithItsValue)
{
    const QStringList items = ManualOptionLines();
    ASSERT_FALSE(items.isEmpty()) << "no OPTIONS section in " QUILLBY_LOOKUP_MAN_SOURCE;
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[A-Za-z]+)"));
    QSet<QString> onPage;
    for (const QString &item : items) {
        for (const QRegularExpressionMatch &match : option.globalMatch(item))
            onPage << match.captured(1);
    }

    QSet<QString> inTable;
    for (const OptionSpec &option : Options()) {
        for (std::string_view name : option.names) {
            const QString named = QString::fromLatin1(name.data(), qsizetype(name.size()));
            inTable << named;
            if (option.value.empty())
                continue;
            const QString value =
                QString::fromLatin1(option.value.data(), qsizetype(option.value.size()));
            const bool withValue =
                std::any_of(items.begin(), items.end(), [&](const QString &item) {
                    return item.contains(named) && item.contains(value);
                });
            EXPECT_TRUE(withValue) << named.toStdString() << " " << value.toStdString();
        }
    }
    EXPECT_EQ(onPage - inTable, QSet<QString>()) << "on the page, not taken by the program";
    EXPECT_EQ(inTable - onPage, QSet<QString>()) << "taken by the program, not on the page";
}

} // namespace
