// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/ClipboardText.h"

#include "data/Errors.h"

#include <QClipboard>
#include <QGuiApplication>

namespace quillby {

void SetClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw QuillbyError("Cannot open clipboard");
    clipboard->setText(text, QClipboard::Clipboard);
    // The platform gives no result of its own; what reads back is what the clipboard took.
    if (clipboard->text(QClipboard::Clipboard) != text)
        throw QuillbyError("Cannot open clipboard");
}

} // namespace quillby
