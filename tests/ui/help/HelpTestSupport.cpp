// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "tests/ui/help/HelpTestSupport.h"

#include "data/ListLoader.h"
#include "resources/QtResourceStore.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <algorithm>

namespace quillby::test {

std::vector<unsigned char> Bytes(std::string_view text)
{
    return {text.begin(), text.end()};
}

std::vector<unsigned char> StoredDeflate(std::string_view text)
{
    // Final block (bit 0), type "stored" (bits 1-2 zero), then LEN and its one's complement.
    const auto length = static_cast<unsigned>(text.size());
    std::vector<unsigned char> bytes(5 + text.size());
    bytes[0] = 0x01;
    bytes[1] = static_cast<unsigned char>(length & 0xFF);
    bytes[2] = static_cast<unsigned char>(length >> 8);
    bytes[3] = static_cast<unsigned char>(~length & 0xFF);
    bytes[4] = static_cast<unsigned char>((~length >> 8) & 0xFF);
    std::copy(text.begin(), text.end(), bytes.begin() + 5);
    return bytes;
}

MemoryResourceStore StoreWithHelpPages()
{
    MemoryResourceStore store(QtResourceStore(), kHtml, {"QUILLBY", "MOBY", "OPTED", "GPL"});
    store.Put(kRcData, kWordListName, StoredDeflate("word\r\n"));
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        store.Put(kRcData, WebsterListName(letter),
                  StoredDeflate("\"Word\",\"n.\",\"A word.\"\r\n"));
    return store;
}

QPoint LinkPoint(QTextBrowser &browser, const QString &text)
{
    QTextDocument *document = browser.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor() || fragment.text() != text)
                continue;
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            QRect rect = browser.cursorRect(cursor);
            const QRect view = browser.viewport()->rect();
            if (!view.contains(rect.center())) {
                QScrollBar *bar = browser.verticalScrollBar();
                bar->setValue(bar->value() + rect.center().y() - view.height() / 2);
                rect = browser.cursorRect(cursor);
            }
            return rect.center();
        }
    }
    return {};
}

bool ClickLink(QTextBrowser &browser, const QString &text)
{
    const QPoint at = LinkPoint(browser, text);
    if (at.isNull())
        return false;
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    return true;
}

QStringList LinkTargets(const QTextBrowser &browser)
{
    QStringList targets;
    const QTextDocument *document = browser.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty() &&
                (targets.isEmpty() || targets.back() != format.anchorHref()))
                targets.append(format.anchorHref());
        }
    }
    return targets;
}

} // namespace quillby::test
