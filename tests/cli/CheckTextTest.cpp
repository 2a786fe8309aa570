// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// quillby-lookup --check on files and standard input, and its personal word list.

#include "tests/cli/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using quillby::test::Lookup;
using quillby::test::ToolRun;

class CheckText : public ::testing::Test {
protected:
    QString Write(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder_.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // quillby-lookup with its personal word list in a folder of the test's own.
    ToolRun Run(const QStringList &arguments, const QByteArray &input = QByteArray())
    {
        return Lookup(arguments, input, DataHome());
    }
    QString DataHome() const { return folder_.filePath(QStringLiteral("data")); }

    QTemporaryDir folder_;
};

// A tab, a letter of several UTF-8 bytes, CR LF, right words with capitals, a hyphenated word.
const QByteArray kText = "This sentense is fine.\n"
                         "\t\xE2\x80\x9C"
                         "A\xE2\x80\x9D wierd-lookng thing.\r\n"
                         "Boston on Tuesday, I recieve it.\n";

TEST_F(CheckText, ReportsEachMisspelledWordWhereItStandsWithItsGuesses)
{
    const QString path = Write(QStringLiteral("text.txt"), kText);
    const ToolRun run = Run({"--check", path});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 4) << run.out.toStdString();
    const QString where[] = {"1:6: sentense ==> sentence, ", "2:6: wierd ==> weird, ",
                             "2:12: lookng ==> looking", "3:22: recieve ==> receive, "};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(run.lines[i].startsWith(path + ':' + where[i])) << run.lines[i].toStdString();
    EXPECT_EQ(run.lines[0].count(QStringLiteral(", ")), 2) << "three guesses unless asked";

    const ToolRun one = Run({"--check", "--max", "1", "-"}, kText);
    EXPECT_EQ(one.lines.front(), QStringLiteral("-:1:6: sentense ==> sentence"));
    EXPECT_EQ(Run({"--check"}, "xqzvkjw\n").lines, QStringList{"-:1:1: xqzvkjw ==>"});
}

TEST_F(CheckText, ExitsZeroOnCleanTextAndTwoOnAFileItCannotRead)
{
    const QString clean = Write(QStringLiteral("clean.txt"), "Boston on Tuesday.\n");
    const QString wrong = Write(QStringLiteral("wrong.txt"), "a wierd word\n");
    const ToolRun good = Run({"--check", clean});
    EXPECT_EQ(good.exitCode, 0);
    EXPECT_TRUE(good.out.isEmpty());
    EXPECT_EQ(Run({"--check"}, "Right words, don't you think? See https://example.org, part (iii).\n").exitCode,
              0);

    const QString missing = folder_.filePath(QStringLiteral("missing.txt"));
    const ToolRun run = Run({"--check", missing, wrong, folder_.path()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("cannot read ") + missing))
        << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("cannot read ") + folder_.path()));
    ASSERT_EQ(run.lines.size(), 1) << "the readable file is still checked";
    EXPECT_TRUE(run.lines[0].startsWith(wrong + QStringLiteral(":1:3: wierd ==> weird")));
}

TEST_F(CheckText, ReadsAFileThatIsNotUtf8AsWindows1252)
{
    const QString path = Write(QStringLiteral("cp1252.txt"), "\x93recieve\x94 wi\xE9rd\n");
    const ToolRun run = Run({"--check", "--max", "1", path});
    ASSERT_EQ(run.lines.size(), 2) << run.out.toStdString();
    EXPECT_EQ(run.lines[0], path + QStringLiteral(":1:2: recieve ==> receive"));
    EXPECT_TRUE(run.lines[1].startsWith(path + QStringLiteral(":1:11: wi\u00E9rd ==>")))
        << run.lines[1].toStdString();
}

TEST_F(CheckText, NeverWritesTheFilesItChecks)
{
    const QString path = Write(QStringLiteral("text.txt"), kText);
    const QDateTime modified = QFileInfo(path).lastModified();
    QFile(path).setPermissions(QFileDevice::ReadOwner);
    Run({"--check", path});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kText);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
    EXPECT_FALSE(QFileInfo::exists(DataHome())) << "nor a personal word list";
}

TEST_F(CheckText, TakesTheWordsOfThePersonalListAsRight)
{
    const QByteArray text = "Quillby QUILLBY quillby sentense Sentense wierd\n";
    // In the usual place, and named with -p.
    Write(QStringLiteral("data/quillby/personal-words.txt"), "Quillby\nsentense\n");
    const QString named = Write(QStringLiteral("mine.txt"), "wierd\r\n\n");
    const ToolRun usual = Run({"--check"}, text);
    ASSERT_EQ(usual.lines.size(), 2) << usual.out.toStdString();
    EXPECT_TRUE(usual.lines[0].startsWith(QStringLiteral("-:1:17: quillby ==>")))
        << "a word with its own capitals is right only with them or in capitals";
    EXPECT_TRUE(usual.lines[1].startsWith(QStringLiteral("-:1:43: wierd ==> weird")));
    const ToolRun run = Run({"--check", "-p", named}, text);
    EXPECT_EQ(run.lines.size(), 5);
    EXPECT_FALSE(run.out.contains("wierd"));
}

TEST_F(CheckText, GoesOnWithoutADamagedPersonalList)
{
    const struct {
        QByteArray list;
        const char *problem;
    } damaged[] = {
        {"sentense\n\xFF\xFE\n", "is damaged: it is not UTF-8 text"},
        {"sentense\ntwo words\n", "is damaged: line 2 is not one word"},
    };
    for (const auto &c : damaged) {
        const QString path = Write(QStringLiteral("list.txt"), c.list);
        const ToolRun run = Run({"--check", "-p", path}, "a sentense\n");
        EXPECT_EQ(run.exitCode, 1) << c.problem;
        EXPECT_EQ(run.lines.size(), 1) << c.problem;
        EXPECT_EQ(run.errors, QStringLiteral("quillby-lookup: warning: %1 %2; going on without the "
                                             "personal word list\n")
                                  .arg(path, QLatin1String(c.problem)));
    }
    const ToolRun unreadable = Run({"--check", "-p", folder_.path()}, "a sentense\n");
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(
        unreadable.errors.startsWith(QStringLiteral("quillby-lookup: warning: cannot read ")))
        << unreadable.errors.toStdString();
}

} // namespace
