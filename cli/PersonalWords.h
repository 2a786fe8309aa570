// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "cli/WordSet.h"

#include <QString>
#include <QStringList>

namespace quillby::cli {

// The personal word list of the command line: words the user added, right in every check, kept
// one a line in a UTF-8 file. The window does not read it.
class PersonalWords {
public:
    // $XDG_DATA_HOME/quillby/personal-words.txt, ~/.local/share/... when XDG_DATA_HOME is unset.
    static QString DefaultPath();

    // A list kept nowhere: it holds the words added, and saving it does nothing.
    PersonalWords() = default;
    // Reads the list at `path`; a list not there yet is empty. A list that cannot be read, or
    // is damaged (not UTF-8 text, or a line that is not one word), holds no word then and is
    // never saved over; Problem() says what is wrong.
    explicit PersonalWords(QString path);

    const QString &Path() const { return path_; }
    // What kept the list from being read, for the user; empty when nothing did.
    const QString &Problem() const { return problem_; }

    bool Contains(QStringView word) const { return set_.Contains(word); }
    // Adds a word for now and for the next Save (once); false, adding nothing, for text that is
    // not one word.
    bool Add(const QString &word);
    // Writes the list, atomically: the file is whole before or after, never half written.
    // Returns what went wrong, empty on success.
    QString Save() const;

private:
    void Read();

    QString path_;
    QString problem_;
    // In the file's order, then as added.
    QStringList words_;
    WordSet set_;
};

} // namespace quillby::cli
