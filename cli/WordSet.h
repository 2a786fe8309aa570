// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QSet>
#include <QString>
#include <QStringView>

namespace quillby::cli {

// Words a user said are right, each right as written and in the forms a sentence gives it: a
// word in lower case ("quillby") also with a first capital or in capitals ("Quillby",
// "QUILLBY"); a word with capitals of its own ("McCoy") only as written or in capitals.
class WordSet {
public:
    void Add(const QString &word);
    bool Contains(QStringView word) const;
    bool IsEmpty() const { return words_.isEmpty(); }

private:
    QSet<QString> words_;
    // The words in capitals.
    QSet<QString> capitals_;
};

} // namespace quillby::cli
