// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/WebDictionary.h"

#include <QDesktopServices>

namespace quillby {

void OpenUrlInBrowser(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

} // namespace quillby
