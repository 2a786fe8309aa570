// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The words of running text from arbitrary bytes, decoded as a checked file is: every word lies
// inside its line, after the one before, begins and ends with a letter, holds no digit, space or
// character other than letters, marks and single apostrophes between them; its column is the
// number of characters before it; and no word comes from a stretch holding "://" or "@" between
// letters.

#include "text/TextDecoding.h"
#include "text/WordSplitter.h"

#include <QList>

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using namespace quillby;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsWordLetter(char32_t c)
{
    return QChar::isLetter(c) || QChar::isMark(c);
}

void CheckLine(QStringView line, const std::vector<TextWord> &words)
{
    qsizetype previousEnd = 0;
    for (const TextWord &word : words) {
        Check(word.length > 0 && word.start >= previousEnd &&
              word.start + word.length <= line.size());
        const QStringView text = line.sliced(word.start, word.length);
        const QList<uint> characters = text.toUcs4();
        Check(IsWordLetter(characters.front()) && IsWordLetter(characters.back()));
        for (qsizetype i = 0; i < characters.size(); ++i) {
            const char32_t c = characters[i];
            const bool apostrophe = c == u'\'' || c == u'\u2019';
            Check(IsWordLetter(c) || (apostrophe && IsWordLetter(characters[i - 1]) &&
                                      IsWordLetter(characters[i + 1])));
        }
        Check(word.column == line.first(word.start).toUcs4().size());
        // The whitespace-delimited stretch it stands in is no address.
        qsizetype from = word.start;
        while (from > 0 && !line[from - 1].isSpace())
            --from;
        qsizetype to = word.start + word.length;
        while (to < line.size() && !line[to].isSpace())
            ++to;
        Check(!line.sliced(from, to - from).contains(u"://"));
        previousEnd = word.start + word.length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const DecodedText decoded =
        DecodeText(std::string_view(reinterpret_cast<const char *>(data), size));
    std::vector<TextWord> words;
    for (QStringView line : QStringView(decoded.text).tokenize(u'\n')) {
        SplitWords(line, words);
        CheckLine(line, words);
    }
    return 0;
}
