// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "text/WordSplitter.h"

namespace quillby {

namespace {

bool IsApostrophe(char32_t c)
{
    return c == u'\'' || c == u'\u2019';
}

// One character of a line, a surrogate pair taken whole.
struct Character {
    char32_t code = 0;
    qsizetype size = 1;
};

Character CharacterAt(QStringView line, qsizetype i)
{
    const QChar c = line[i];
    if (c.isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, line[i + 1]), 2};
    return {c.unicode(), 1};
}

// A letter, or a mark that goes with one (the accent of a decomposed "é").
bool IsWordLetter(char32_t c)
{
    return QChar::isLetter(c) || QChar::isMark(c);
}

bool StartsWithWebAddress(QStringView stretch)
{
    // Quotes and brackets before an address do not hide it.
    qsizetype i = 0;
    while (i < stretch.size() && QStringView(u"(<[\"'\u2018\u201C").contains(stretch[i]))
        ++i;
    return stretch.mid(i).startsWith(u"www.", Qt::CaseInsensitive);
}

bool IsAddress(QStringView stretch)
{
    if (stretch.contains(u"://") || StartsWithWebAddress(stretch))
        return true;
    // An e-mail address: something on both sides of an "@".
    const qsizetype at = stretch.indexOf(u'@');
    return at > 0 && at + 1 < stretch.size() && stretch[at - 1].isLetterOrNumber() &&
           stretch[at + 1].isLetterOrNumber();
}

// The words of one whitespace-delimited stretch, which begins `column` characters into the line
// at `offset`.
void AddWords(QStringView stretch, qsizetype offset, qsizetype column, std::vector<TextWord> &words)
{
    qsizetype i = 0;
    while (i < stretch.size()) {
        Character c = CharacterAt(stretch, i);
        if (!IsWordLetter(c.code) && !QChar::isDigit(c.code)) {
            i += c.size;
            ++column;
            continue;
        }
        // A run of letters and digits, with single apostrophes between them.
        const qsizetype start = i;
        const qsizetype startColumn = column;
        bool digit = false;
        qsizetype end = i;
        qsizetype endColumn = column;
        while (i < stretch.size()) {
            c = CharacterAt(stretch, i);
            if (IsWordLetter(c.code) || QChar::isDigit(c.code)) {
                digit = digit || QChar::isDigit(c.code);
                i += c.size;
                ++column;
                end = i;
                endColumn = column;
                continue;
            }
            if (!IsApostrophe(c.code) || i + c.size >= stretch.size())
                break;
            const Character next = CharacterAt(stretch, i + c.size);
            if (!IsWordLetter(next.code) && !QChar::isDigit(next.code))
                break;
            i += c.size;
            ++column;
        }
        if (!digit)
            words.push_back({offset + start, end - start, startColumn});
        i = end;
        column = endColumn;
    }
}

} // namespace

void SplitWords(QStringView line, std::vector<TextWord> &words)
{
    words.clear();
    qsizetype i = 0;
    qsizetype column = 0;
    while (i < line.size()) {
        if (line[i].isSpace()) {
            ++i;
            ++column;
            continue;
        }
        const qsizetype start = i;
        const qsizetype startColumn = column;
        while (i < line.size() && !line[i].isSpace()) {
            const Character c = CharacterAt(line, i);
            i += c.size;
            ++column;
        }
        const QStringView stretch = line.sliced(start, i - start);
        if (!IsAddress(stretch))
            AddWords(stretch, start, startColumn, words);
    }
}

} // namespace quillby
