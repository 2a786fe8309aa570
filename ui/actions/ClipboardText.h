// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

#include <functional>

namespace quillby {

// Puts plain text on the clipboard, replacing what was there. Raises QuillbyError "Cannot open
// clipboard" when the clipboard does not take it.
using ClipboardWriter = std::function<void(const QString &text)>;
void SetClipboardText(const QString &text);

} // namespace quillby
