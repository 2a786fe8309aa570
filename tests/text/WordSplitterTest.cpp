// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The words of running text, where they stand, and a file's bytes decoded.

#include "text/WordSplitter.h"

#include "text/TextDecoding.h"
#include <QStringList>

#include <gtest/gtest.h>

namespace quillby {
namespace {

using namespace Qt::StringLiterals;

// The words of `line`, each as "word@column".
QStringList WordsOf(const QString &line)
{
    std::vector<TextWord> words;
    SplitWords(line, words);
    QStringList found;
    for (const TextWord &word : words)
        found << line.mid(word.start, word.length) + QLatin1Char('@') +
                     QString::number(word.column);
    return found;
}

TEST(WordSplitter, FindsTheWordsOfALineAndTheirColumns)
{
    const struct {
        const char16_t *line;
        QStringList words;
    } cases[] = {
        {u"This is it.", {u"This@0"_s, u"is@5"_s, u"it@8"_s}},
        // Apostrophes inside a word stay, around it they go; two in a row part it.
        {u"don't 'tis students' rock\u2019n\u2019roll a''b",
         {u"don't@0"_s, u"tis@7"_s, u"students@11"_s, u"rock\u2019n\u2019roll@21"_s, u"a@33"_s,
          u"b@36"_s}},
        // Hyphens and dashes part words.
        {u"well-known \u2014 state-of-the-art",
         {u"well@0"_s, u"known@5"_s, u"state@13"_s, u"of@19"_s, u"the@22"_s, u"art@26"_s}},
        // Words holding digits are left out, their neighbours not.
        {u"mp3 2nd B2B (x86) ok", {u"ok@18"_s}},
        // Addresses are left out whole, with what clings to them.
        {u"see <https://example.org/a-b>, www.Example.com or me@example.org. @home",
         {u"see@0"_s, u"or@47"_s, u"home@67"_s}},
        // A tab is one character; so is a letter of two UTF-8 bytes, and one beyond 16 bits.
        {u"\tcaf\u00E9 na\u00EFve \U0001F600 end",
         {u"caf\u00E9@1"_s, u"na\u00EFve@6"_s, u"end@14"_s}},
        // A letter written as a letter and an accent stays one word.
        {u"cafe\u0301 au lait", {u"cafe\u0301@0"_s, u"au@6"_s, u"lait@9"_s}},
        {u"", {}},
        {u"  --- ... !!! 42", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WordsOf(QString::fromUtf16(c.line)), c.words)
            << QString::fromUtf16(c.line).toStdString();
}

TEST(TextDecoding, ReadsUtf8ElseWindows1252)
{
    const DecodedText utf8 = DecodeText("\xEF\xBB\xBF"
                                        "caf\xC3\xA9\n");
    EXPECT_TRUE(utf8.utf8);
    EXPECT_EQ(utf8.text, QString::fromUtf16(u"caf\u00E9\n")) << "the byte-order mark is dropped";

    const DecodedText cp1252 = DecodeText("\x93"
                                          "caf\xE9\x94 \x80");
    EXPECT_FALSE(cp1252.utf8);
    EXPECT_EQ(cp1252.text, QString::fromUtf16(u"\u201Ccaf\u00E9\u201D \u20AC"));

    EXPECT_TRUE(DecodeText(std::string_view("a\0b", 3)).utf8) << "a NUL is text";
}

} // namespace
} // namespace quillby
