// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/MemoryResourceStore.h"
#include "tests/support/TextPrinting.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <ostream>
#include <string_view>
#include <vector>

class QTextBrowser;

namespace quillby::test {

// Bytes of a string, as a store keeps them.
std::vector<unsigned char> Bytes(std::string_view text);

// `text` as one raw Deflate stored block: enough for a list the loader can inflate.
std::vector<unsigned char> StoredDeflate(std::string_view text);

// A store with the program's four help pages and a one-word stand-in for each word list, so the
// main window loads at once.
MemoryResourceStore StoreWithHelpPages();

// The centre of the link whose text is `text`, in viewport coordinates, scrolled into view;
// a null point when the page has no such link.
QPoint LinkPoint(QTextBrowser &browser, const QString &text);

// Clicks the link whose text is `text`; false when there is none.
bool ClickLink(QTextBrowser &browser, const QString &text);

// The targets of every link on the page shown, in page order.
QStringList LinkTargets(const QTextBrowser &browser);

} // namespace quillby::test
