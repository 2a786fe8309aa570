// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/actions/WebDictionaryUrl.h"

#include <QUrl>

#include <functional>

namespace quillby {

// Opens a URL in the user's browser. Whether a browser opens is not reported.
using UrlOpener = std::function<void(const QUrl &url)>;
void OpenUrlInBrowser(const QUrl &url);

} // namespace quillby
