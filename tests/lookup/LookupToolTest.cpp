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

ToolRun Lookup(const QStringList &arguments, const QByteArray &input = QByteArray())
{
    QProcess process;
    process.start(QStringLiteral(QUILLBY_LOOKUP_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
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

TEST(LookupTool, BestGuessesComeFirst)
{
    EXPECT_EQ(Lookup({"--best", "--max", "1", "teh"}).lines, QStringList{"the"});
    EXPECT_EQ(Lookup({"--best", "--selected", "Rhythm"}).lines, QStringList{"rhythm"});
    EXPECT_EQ(Lookup({"--best", "rythm"}).lines.size(), 10) << "ten unless asked otherwise";
    const ToolRun all = Lookup({"--best", "--max", "0", "rythm"});
    ASSERT_FALSE(all.lines.isEmpty());
    EXPECT_EQ(all.lines.front(), QStringLiteral("rhythm"));
    for (const QString &word : Lookup({"rythm"}).lines)
        EXPECT_TRUE(all.lines.contains(word)) << word.toStdString() << " dropped";
    EXPECT_EQ(
        Lookup({"--best", "--webster", "--max", "2", "--definitions", "azymik"}).lines.front(),
        QStringLiteral("Azymic\ta.\tAzymous."));
}

TEST(LookupTool, AnswersEachLineOfStandardInput)
{
    // CR LF and LF, an empty line, a character Windows-1252 lacks, no line end at the end.
    const QByteArray input = "teh\r\nrythm\n\n\xE6\x97\xA5\nRhythm";
    const ToolRun best = Lookup({"--best", "--max", "3", "-"}, input);
    ASSERT_EQ(best.exitCode, 0) << best.errors.toStdString();
    ASSERT_EQ(best.lines.size(), 5);
    EXPECT_TRUE(best.lines[0].startsWith(QStringLiteral("the\t")));
    EXPECT_EQ(best.lines[0].count(QLatin1Char('\t')), 2);
    EXPECT_TRUE(best.lines[1].startsWith(QStringLiteral("rhythm\t")));
    EXPECT_EQ(best.lines[2], QString());
    EXPECT_EQ(best.lines[3], Lookup({"--best", "--max", "3", "?"}).lines.join(QLatin1Char('\t')))
        << "looked for as \"?\"";
    EXPECT_TRUE(best.lines[4].startsWith(QStringLiteral("rhythm\t")));

    const ToolRun plain = Lookup({"-"}, "rythm\r\nhous%\n");
    ASSERT_EQ(plain.lines.size(), 2);
    EXPECT_EQ(plain.lines[0], Lookup({"rythm"}).lines.join(QLatin1Char('\t')));
    EXPECT_EQ(plain.lines[1], Lookup({"hous%"}).lines.join(QLatin1Char('\t')));
    EXPECT_EQ(Lookup({"--selected", "-"}, "Rhythm\nqqqqq%\ncat").lines,
              (QStringList{"rhythm", "", "cat"}));
    EXPECT_EQ(Lookup({"--webster", "--best", "--selected", "-"}, "azymik\n\n[x\n").lines,
              (QStringList{"Azymic", "", ""}));
    EXPECT_EQ(Lookup({"--best", "-"}, QByteArray()).lines, QStringList());
}

TEST(LookupTool, HelpGoesToStandardOutput)
{
    const ToolRun help = Lookup({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    ASSERT_FALSE(help.lines.isEmpty());
    EXPECT_TRUE(help.lines.front().startsWith(QStringLiteral("usage:")));
    EXPECT_TRUE(help.errors.isEmpty());

    const ToolRun definitions = Lookup({"--webster", "--definitions", "-"}, "azymic\n");
    EXPECT_EQ(definitions.exitCode, 2);
    EXPECT_TRUE(definitions.errors.contains(QStringLiteral("--definitions")));
    EXPECT_EQ(definitions.lines, QStringList());
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
        {"--best", "--max", "word"},
        {"--best", "--max", "-1", "word"},
        {"--best", "word", "--max"},
        {"--help", "word"},
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
