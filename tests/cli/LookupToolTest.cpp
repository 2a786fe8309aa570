// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// quillby-lookup run as a user runs it.

#include "tests/cli/ToolRun.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using quillby::test::Lookup;
using quillby::test::ToolRun;

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
    for (const QString &word : {QStringLiteral("\u00E9clair"), QStringLiteral("[x")}) {
        const ToolRun none = Lookup({"--webster", word});
        EXPECT_EQ(none.exitCode, 0) << word.toStdString();
        EXPECT_EQ(none.lines, QStringList()) << word.toStdString();
    }
}

TEST(LookupTool, BestGuessesComeFirst)
{
    EXPECT_EQ(Lookup({"--best", "--max", "1", "teh"}).lines, QStringList{"the"});
    EXPECT_EQ(Lookup({"--best", "--selected", "Rhythm"}).lines, QStringList{"Rhythm"})
        << "in the typed case";
    EXPECT_EQ(Lookup({"--best", "rythm"}).lines.size(), 10) << "ten unless asked otherwise";
    const ToolRun all = Lookup({"--best", "--max", "0", "rythm"});
    ASSERT_FALSE(all.lines.isEmpty());
    EXPECT_EQ(all.lines.front(), QStringLiteral("rhythm"));
    // Names keep their capitals ("Rodney").
    for (const QString &word : Lookup({"rythm"}).lines)
        EXPECT_TRUE(all.lines.contains(word, Qt::CaseInsensitive))
            << word.toStdString() << " dropped";
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
    EXPECT_TRUE(best.lines[4].startsWith(QStringLiteral("Rhythm\t")));

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

TEST(LookupTool, UsageErrorsSayWhatIsWrongThenShowTheUsage)
{
    const struct {
        QStringList arguments;
        const char *message;
    } wrong[] = {
        {{}, "no word to look up"},
        {{"--webster"}, "no word to look up"},
        {{""}, "no word to look up: the word given is empty"},
        {{"--best", " \t\n"}, "no word to look up: the word given is empty"},
        {{"--list", "BOGUS"},
         "no list named BOGUS; the lists are MOBYWORDLISTCOMPRESSED, "
         "A_TXT_DEFLATED, B_TXT_DEFLATED"},
        {{"-B", "word"}, "-B goes with -a"},
        {{"-p", "words.txt", "word"}, "-p goes with --check or -a"},
        {{"--check", "--webster"}, "--webster cannot be used with --check"},
        {{"-a", "--check"}, "-a and --check cannot be used together"},
        {{"-a", "file.txt"}, "-a reads standard input and takes no word or file"},
        {{"-a", "-d", "de_DE"}, "no dictionary de_DE: quillby-lookup checks English only"},
        {{"-a", "--encoding=latin1"}, "--encoding=latin1: the pipe speaks UTF-8 only"},
        {{"--check", "--max", "x"}, "--max needs a whole number, not x"},
        {{"-V", "word"}, "-V takes nothing else"},
        {{"one", "two"}, "one word at a time, not 2"},
        {{"--bogus", "word"}, "unknown option --bogus"},
        {{"--bogus=1", "word"}, "unknown option --bogus"},
        {{"-abl"}, "unknown option -abl"},
        {{"--definitions", "word"}, "--definitions needs --webster"},
        {{"--webster", "--definitions", "-"}, "--definitions cannot be used with -"},
        {{"--list"}, "--list needs a list name"},
        {{"--list", "A_TXT_DEFLATED", "B_TXT_DEFLATED"}, "--list takes one list name"},
        {{"--best", "--max", "abc", "word"}, "--max needs a whole number, not abc"},
        {{"--best", "--max", "-1", "word"}, "--max needs a whole number, not -1"},
        {{"--max=", "word"}, "--max needs a whole number"},
        {{"--best", "word", "--max"}, "--max needs a whole number"},
        {{"--webster=yes", "word"}, "--webster takes no value"},
        {{"--help", "word"}, "--help takes nothing else"},
        {{"-h", "word"}, "-h takes nothing else"},
    };
    for (const auto &c : wrong) {
        const std::string what = c.arguments.join(' ').toStdString();
        const ToolRun run = Lookup(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << what;
        const QString first = run.errors.section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(first.startsWith(QStringLiteral("quillby-lookup: ") + c.message))
            << what << ": " << first.toStdString();
        EXPECT_TRUE(run.errors.section(QLatin1Char('\n'), 1).startsWith(QStringLiteral("usage:")))
            << what;
        EXPECT_EQ(run.lines, QStringList()) << what;
    }
}

TEST(LookupTool, SpacesTabsAndLineBreaksAroundAWordAreLeftOut)
{
    const QStringList teh = Lookup({"--best", "--max", "3", "teh"}).lines;
    ASSERT_EQ(teh.size(), 3);
    EXPECT_EQ(Lookup({"--best", "--max", "3", "teh "}).lines, teh);
    EXPECT_EQ(Lookup({"--best", "--max", "3", "\tteh\r\n"}).lines, teh);
    EXPECT_EQ(Lookup({"--selected", "house\n"}).lines, QStringList{"house"});
    EXPECT_EQ(Lookup({"--selected", "-"}, "  Rhythm \t\r\nhouse \n").lines,
              (QStringList{"rhythm", "house"}));
    EXPECT_NE(Lookup({"--selected", " ho use "}).lines, QStringList{"house"})
        << "spaces inside stay";
}

TEST(LookupTool, VersionNamesTheProgramAndItsLicence)
{
    const ToolRun version = Lookup({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    ASSERT_GE(version.lines.size(), 2);
    const QRegularExpressionMatch release =
        QRegularExpression(QStringLiteral("^quillby-lookup \\(Quillby\\) (\\d+\\.\\d+\\.\\d+)$"))
            .match(version.lines.front());
    ASSERT_TRUE(release.hasMatch()) << version.lines.front().toStdString();
    EXPECT_TRUE(version.lines.join(' ').contains(QStringLiteral("GPL-2.0-or-later")));
    EXPECT_EQ(Lookup({"-V"}).lines, version.lines);
    // What an editor reads from an ispell program.
    const QString ispell = QStringLiteral("@(#) International Ispell Version 3.1.20 (but really "
                                          "Quillby %1)")
                               .arg(release.captured(1));
    EXPECT_EQ(Lookup({"-v"}).lines, QStringList{ispell});
    EXPECT_EQ(Lookup({"-vv"}).lines, QStringList{ispell});
}

TEST(LookupTool, OptionsTakeAValueAfterAnEqualsSignAndHelpHasAShortName)
{
    EXPECT_EQ(Lookup({"--best", "--max=3", "rythm"}).lines,
              Lookup({"--best", "--max", "3", "rythm"}).lines);
    EXPECT_EQ(Lookup({"--max=2", "rythm"}).lines.size(), 2) << "--max without --best too";
    EXPECT_EQ(Lookup({"--list=X_TXT_DEFLATED"}).lines, Lookup({"--list", "X_TXT_DEFLATED"}).lines);
    const ToolRun help = Lookup({"-h"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.lines, Lookup({"--help"}).lines);
}

TEST(LookupTool, AFailedWriteIsReported)
{
    const QList<QStringList> runs = {
        {"rythm"}, {"--help"}, {"--version"}, {"--list", "X_TXT_DEFLATED"}, {"--best", "-"}};
    for (const QStringList &arguments : runs) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(QUILLBY_LOOKUP_PATH), arguments);
        process.write("teh\n");
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(process.readAllStandardError().toStdString(),
                  "quillby-lookup: cannot write the output: No space left on device\n")
            << arguments.join(' ').toStdString();
    }
}

// Each example of the manual page, as it stands there, prints what the page says it prints.
TEST(LookupTool, ManualPageExamplesPrintWhatThePageSays)
{
    QFile page(QStringLiteral(QUILLBY_LOOKUP_MAN_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString manual = QString::fromUtf8(page.readAll());
    const auto example = [&manual](const char *line) {
        EXPECT_TRUE(manual.contains(QStringLiteral(".B quillby-lookup ") + QLatin1String(line)))
            << "the page no longer shows " << line;
    };

    example("rythm");
    EXPECT_TRUE(Lookup({"rythm"}).lines.contains(QStringLiteral("rhythm")));
    example("\\-\\-selected Rhythm");
    EXPECT_EQ(Lookup({"--selected", "Rhythm"}).lines, QStringList{"rhythm"});
    example("\\-\\-webster \\-\\-definitions \\-\\-selected Azymic");
    EXPECT_EQ(Lookup({"--webster", "--definitions", "--selected", "Azymic"}).lines,
              QStringList{"Azymic\ta.\tAzymous."});
    example("\\-\\-best \\-\\-max 3 teh");
    const QStringList teh = Lookup({"--best", "--max", "3", "teh"}).lines;
    ASSERT_EQ(teh.size(), 3);
    EXPECT_EQ(teh.front(), QStringLiteral("the"));
    example("\\-\\-best \\-\\-selected \\- < words.txt");
    EXPECT_EQ(Lookup({"--best", "--selected", "-"}, "recieve\nteh\n").lines,
              (QStringList{"receive", "the"}));
}

} // namespace
