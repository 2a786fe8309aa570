// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace quillby {

// One word of a line: where it stands, in the line's UTF-16 units, and its column, the number of
// characters (code points) before it in the line, from 0.
struct TextWord {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype column = 0;
};

// The words of `line`, in order, into `words` (emptied first, so that one vector serves every
// line): runs of letters, with an apostrophe (' or U+2019) inside a word kept, so "don't" is one
// word and "'tis" is "tis". A hyphen parts words ("well-known" is "well" and "known"). Left out:
// runs holding a digit ("mp3", "2nd"), and every whitespace-delimited stretch that is a web
// address ("https://...", "www....") or an e-mail address ("name@host").
void SplitWords(QStringView line, std::vector<TextWord> &words);

} // namespace quillby
