// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/WebDictionary.h"

#include <QDesktopServices>

namespace quillby {

bool OpenUrlInBrowser(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

std::string BrowserNotOpenedMessage(const QUrl &url)
{
    // The address in angle brackets, so that the error box's closing full stop stays apart
    // from it.
    return "The web browser could not be opened for <" + url.toEncoded().toStdString() + ">";
}

} // namespace quillby
