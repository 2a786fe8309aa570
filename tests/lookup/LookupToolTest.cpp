// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// quillby-lookup run as a user runs it.

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

ToolRun Lookup(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUILLBY_LOOKUP_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitCode();
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    run.lines = out.split(QLatin1Char('\n'));
    if (!run.lines.isEmpty() && run.lines.back().isEmpty())
        run.lines.removeLast();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TEST(LookupTool, MobySearches)
{
    const ToolRun rythm = Lookup({"rythm"});
    ASSERT_EQ(rythm.exitCode, 0);
    EXPECT_TRUE(rythm.lines.contains(QStringLiteral("rhythm")));
    QStringList sorted = rythm.lines;
    sorted.sort();
    EXPECT_EQ(rythm.lines, sorted);

    EXPECT_EQ(Lookup({"--selected", "Rhythm"}).lines, QStringList{"rhythm"});
    const ToolRun cat = Lookup({"cat"});
    ASSERT_FALSE(cat.lines.isEmpty());
    EXPECT_EQ(cat.lines.front(), QStringLiteral("cat"));
    EXPECT_EQ(Lookup({"a"}).lines.size(), 23801);
    EXPECT_EQ(Lookup({"hous%"}).lines, Lookup({"hous"}).lines);
    EXPECT_EQ(Lookup({"--selected", "qqqqq%"}).lines, QStringList());
}

TEST(LookupTool, WebsterSearches)
{
    const ToolRun azymic = Lookup({"--webster", "--definitions", "Azymic"});
    ASSERT_EQ(azymic.exitCode, 0);
    EXPECT_TRUE(azymic.lines.contains(QStringLiteral("Azymic\ta.\tAzymous.")));
    EXPECT_EQ(Lookup({"--definitions", "--selected", "--webster", "azymic"}).lines,
              QStringList{"Azymic\ta.\tAzymous."});
    EXPECT_EQ(Lookup({"--webster", "--selected", "Azymic"}).lines, QStringList{"Azymic"});

    // A word beginning with "-" after "--"; such words are looked for in the A list.
    const ToolRun suffix = Lookup({"--webster", "--", "-abl"});
    ASSERT_EQ(suffix.exitCode, 0);
    EXPECT_TRUE(suffix.lines.contains(QStringLiteral("-able")));

    // Nothing to search: nothing printed, success.
    for (const QString &word : {QString(), QStringLiteral("\u00E9clair"), QStringLiteral("[x")}) {
        const ToolRun none = Lookup({"--webster", word});
        EXPECT_EQ(none.exitCode, 0) << word.toStdString();
        EXPECT_EQ(none.lines, QStringList()) << word.toStdString();
    }
}

TEST(LookupTool, UsageErrorsExitWithTwo)
{
    const QList<QStringList> wrong = {
        {},
        {"--webster"},
        {"one", "two"},
        {"--bogus", "word"},
        {"-abl"},
        {"--definitions", "word"},
        {"--list"},
    };
    for (const QStringList &arguments : wrong) {
        const ToolRun run = Lookup(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.startsWith(QStringLiteral("usage:")))
            << arguments.join(' ').toStdString();
        EXPECT_EQ(run.lines, QStringList());
    }
}

} // namespace
