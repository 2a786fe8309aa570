// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quillby::cli {

class PersonalWords;
class SpellingJudge;

// The ispell pipe (-a), as editors speak it: one answer for each line of text, and the commands
// that change the session.
//   *    a right word (left out in terse mode)
//   & WORD COUNT OFFSET: GUESS, GUESS   a word not right, with its guesses
//   # WORD OFFSET                       one without guesses
// then an empty line after the line's words. OFFSET counts characters from 0 in the line as
// sent, so the first word after "^" is at 1. A line that is valid UTF-8 is answered in UTF-8,
// one that is not is read and answered as Windows-1252, and a line of ASCII alone is answered
// as the last line that was not; with `utf8Only`, every answer is UTF-8.
class IspellPipe {
public:
    // The first line the pipe prints, before it reads anything.
    static std::string Banner(std::string_view version);

    // `judge` and `personal` must outlive the pipe; words added go to `personal`.
    IspellPipe(SpellingJudge &judge, PersonalWords &personal, bool utf8Only);

    // What one line of input (without its line end) asks for.
    struct Answer {
        // What to print, line ends included; empty for a command.
        std::string output;
        // What went wrong, for standard error (a personal list that could not be saved).
        QString problem;
    };
    Answer AnswerLine(std::string_view line);

private:
    std::string Encode(const QString &text, bool utf8) const;
    std::string CheckLine(const QString &text, qsizetype offset, bool utf8);

    SpellingJudge &judge_;
    PersonalWords &personal_;
    bool utf8Only_;
    // Answers in UTF-8, as the last line that was not ASCII was.
    bool utf8_ = true;
    // Terse mode: no "*" for right words.
    bool terse_ = false;
};

} // namespace quillby::cli
