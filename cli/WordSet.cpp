// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/WordSet.h"

namespace quillby::cli {

void WordSet::Add(const QString &word)
{
    words_.insert(word);
    capitals_.insert(word.toUpper());
}

bool WordSet::Contains(QStringView word) const
{
    if (word.isEmpty())
        return false;
    const QString written = word.toString();
    if (words_.contains(written))
        return true;
    const QString upper = written.toUpper();
    if (upper == written)
        return capitals_.contains(upper);
    // A first capital on a word the set holds in lower case.
    const QString lower = written.toLower();
    return written.front().isUpper() && written.sliced(1) == lower.sliced(1) &&
           words_.contains(lower);
}

} // namespace quillby::cli
