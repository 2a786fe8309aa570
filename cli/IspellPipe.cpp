// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/IspellPipe.h"

#include "cli/PersonalWords.h"
#include "cli/SpellingJudge.h"
#include "text/Codepage1252.h"
#include "text/TextDecoding.h"
#include "text/WordSplitter.h"

#include <algorithm>

namespace quillby::cli {

std::string IspellPipe::Banner(std::string_view version)
{
    return "@(#) International Ispell Version 3.1.20 (but really Quillby " + std::string(version) +
           ")\n";
}

IspellPipe::IspellPipe(SpellingJudge &judge, PersonalWords &personal, bool utf8Only)
    : judge_(judge)
    , personal_(personal)
    , utf8Only_(utf8Only)
{
}

std::string IspellPipe::Encode(const QString &text, bool utf8) const
{
    if (utf8)
        return text.toStdString();
    return ToCp1252(text);
}

std::string IspellPipe::CheckLine(const QString &text, qsizetype offset, bool utf8)
{
    std::string output;
    std::vector<TextWord> words;
    SplitWords(text, words);
    for (const TextWord &found : words) {
        const QStringView word = QStringView(text).sliced(found.start, found.length);
        const QString where = QString::number(offset + found.column);
        if (judge_.IsRight(word)) {
            if (!terse_)
                output += "*\n";
            continue;
        }
        const std::vector<QString> &guesses = judge_.Guesses(word);
        if (guesses.empty()) {
            output += "# " + Encode(word.toString(), utf8) + ' ' + where.toStdString() + '\n';
            continue;
        }
        output += "& " + Encode(word.toString(), utf8) + ' ' + std::to_string(guesses.size()) +
                  ' ' + where.toStdString() + ':';
        for (std::size_t i = 0; i < guesses.size(); ++i)
            output += (i == 0 ? " " : ", ") + Encode(guesses[i], utf8);
        output += '\n';
    }
    return output + '\n';
}

IspellPipe::Answer IspellPipe::AnswerLine(std::string_view line)
{
    const DecodedText decoded = DecodeText(line);
    const bool ascii = std::all_of(line.begin(), line.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii)
        utf8_ = decoded.utf8;
    const bool utf8 = utf8Only_ || utf8_;
    const QString &text = decoded.text;

    const QChar command = text.isEmpty() ? QChar() : text.front();
    const QString rest = text.sliced(std::min<qsizetype>(1, text.size())).trimmed();
    switch (command.unicode()) {
    case u'^':
        return {CheckLine(text.sliced(1), 1, utf8), {}};
    case u'!':
        terse_ = true;
        return {};
    case u'%':
        terse_ = false;
        return {};
    case u'@':
        judge_.AcceptForSession(rest);
        return {};
    case u'*':
        personal_.Add(rest);
        return {};
    case u'&':
        personal_.Add(rest.toLower());
        return {};
    case u'#':
        return {{}, personal_.Save()};
    case u'~': // the formatter of the text: ignored, as the text is read the same way
    case u'+': // TeX mode on and off: ignored likewise
    case u'-':
        return {};
    default:
        return {CheckLine(text, 0, utf8), {}};
    }
}

} // namespace quillby::cli
