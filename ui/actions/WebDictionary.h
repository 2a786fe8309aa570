// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/actions/WebDictionaryUrl.h"

#include <QUrl>

#include <functional>
#include <string>

namespace quillby {

// Opens a URL in the user's browser; false when the desktop could not hand it to one.
using UrlOpener = std::function<bool(const QUrl &url)>;
bool OpenUrlInBrowser(const QUrl &url);

// The error text for an address no browser could be opened for.
std::string BrowserNotOpenedMessage(const QUrl &url);

} // namespace quillby
