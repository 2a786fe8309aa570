// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// quillby-lookup -a, the ispell pipe, line by line as an editor drives it.

#include "tests/cli/ToolRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using quillby::test::Lookup;
using quillby::test::ToolRun;

const QString kBanner =
    QStringLiteral("@(#) International Ispell Version 3.1.20 (but really Quillby ");

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// An answer "& WORD COUNT OFFSET: GUESS, ...": the word, its offset and first guess, and COUNT,
// from 1 to 10 (the default), the number of guesses listed.
void ExpectGuesses(const QString &line, const QString &word, int offset, const QString &first)
{
    const QStringList head = line.section(QStringLiteral(": "), 0, 0).split(QLatin1Char(' '));
    ASSERT_EQ(head.size(), 4) << line.toStdString();
    EXPECT_EQ(head[0], QStringLiteral("&"));
    EXPECT_EQ(head[1], word);
    EXPECT_EQ(head[3].toInt(), offset) << line.toStdString();
    const QStringList guesses = line.section(QStringLiteral(": "), 1).split(QStringLiteral(", "));
    EXPECT_EQ(guesses.front(), first) << line.toStdString();
    EXPECT_EQ(head[2].toInt(), guesses.size()) << line.toStdString();
    EXPECT_LE(guesses.size(), 10);
}

TEST(IspellPipe, AnswersEachLineAsIspellDoes)
{
    const ToolRun run = Lookup({"-a"}, "^This sentense is fine\n"
                                       "\n"
                                       "^xqzvkjw\n"
                                       "!\n"
                                       "^a wierd, Boston thing\n"
                                       "%\n"
                                       "The dog\n");
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 14) << run.out.toStdString();
    EXPECT_TRUE(run.lines[0].startsWith(kBanner));
    EXPECT_EQ(run.lines[1], QStringLiteral("*"));
    ExpectGuesses(run.lines[2], QStringLiteral("sentense"), 6, QStringLiteral("sentence"));
    const QStringList rest = run.lines.mid(3);
    EXPECT_EQ(rest, (QStringList{"*", "*", "", "", "# xqzvkjw 1", "", rest[6], "", "*", "*", ""}))
        << "an empty line is answered by one; terse mode leaves out the right words";
    ExpectGuesses(rest[6], QStringLiteral("wierd"), 3, QStringLiteral("weird"));
}

TEST(IspellPipe, KeepsWordsForTheSessionAndInThePersonalList)
{
    QTemporaryDir home;
    const QString list = home.filePath(QStringLiteral("quillby/personal-words.txt"));
    const ToolRun first = Lookup({"-a"},
                                 "!\n"
                                 "@Quillby\n"
                                 "*sentense\n"
                                 "&Wierd\n"
                                 "^Quillby QUILLBY sentense wierd Wierd\n"
                                 "#\n",
                                 home.path());
    EXPECT_EQ(first.lines.mid(1), QStringList{""}) << first.out.toStdString();
    EXPECT_EQ(ReadFile(list), "sentense\nwierd\n") << "the session's words are not saved";

    const ToolRun second = Lookup({"-a"}, "!\n^sentense Wierd Quillby\n", home.path());
    ASSERT_EQ(second.lines.size(), 3);
    EXPECT_TRUE(second.lines[1].startsWith(QStringLiteral("& Quillby "))) << "read back";

    // -p names another list; one not saved is not written.
    const QString other = home.filePath(QStringLiteral("other.txt"));
    Lookup({"-a", "-p", other}, "*Quillby\n", home.path());
    EXPECT_FALSE(QFile::exists(other));
    Lookup({"-a", "-p", other}, "*Quillby\n#\n", home.path());
    EXPECT_EQ(ReadFile(other), "Quillby\n");
    EXPECT_EQ(ReadFile(list), "sentense\nwierd\n");
}

TEST(IspellPipe, NeverSavesOverAPersonalListItCouldNotRead)
{
    QTemporaryDir home;
    const QString list = home.filePath(QStringLiteral("list.txt"));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("personal_ws-1.1 en 2\nQuillby\n");
    file.close();
    const ToolRun run = Lookup({"-a", "-p", list}, "*sentense\n#\n^sentense\n");
    EXPECT_EQ(run.lines.mid(1), (QStringList{"*", ""})) << "taken for the session";
    EXPECT_EQ(ReadFile(list), "personal_ws-1.1 en 2\nQuillby\n");
    EXPECT_TRUE(run.errors.contains(QStringLiteral("not saved over ") + list))
        << run.errors.toStdString();
}

TEST(IspellPipe, AcceptsTheFlagsEditorsPass)
{
    QTemporaryDir home;
    const ToolRun run = Lookup({"-a", "-m", "-B", "-C", "-S", "-d", "en_US", "--encoding=utf-8",
                                "-p", home.filePath(QStringLiteral("words.txt"))},
                               "^recieve\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_EQ(run.lines.size(), 3);
    ExpectGuesses(run.lines[1], QStringLiteral("recieve"), 1, QStringLiteral("receive"));
    for (const char *english : {"en", "en_GB", "en-US", "english", "american", "british"})
        EXPECT_EQ(Lookup({"-a", "-d", english}).exitCode, 0) << english;
}

TEST(IspellPipe, AnswersLinesThatAreNotUtf8InTheirOwnBytes)
{
    // Windows-1252 text is answered in it; bytes of no text are no words, and still answered.
    const ToolRun run = Lookup({"-a", "--max", "1"},
                               QByteArray("^\x93recieve\x94 dog\n^\x81\x01\x02\n^a\0a\n", 25));
    EXPECT_EQ(run.lines.mid(1), (QStringList{"& recieve 1 2: receive", "*", "", "", "*", "*", ""}))
        << run.out.toStdString();
    EXPECT_TRUE(Lookup({"-a", "--max", "1"}, "^wi\xE9rd\n").out.contains("& wi\xE9rd 1 1: "))
        << "the word in the bytes it came in";
}

} // namespace
