// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QUrl>

#include <string_view>

namespace quillby {

// The web dictionary's search page; the word follows as the value of "q".
inline constexpr char kWebDictionarySearch[] = "https://www.dictionary.com/search?q=";

// Percent-encodes bytes for a query value: letters, digits, "-", ".", "_" and "~" stay, every
// other byte becomes "%XX" (a space "%20").
QByteArray PercentEncodeQueryValue(QByteArrayView bytes);

// The search page for a Windows-1252 word, the word sent as UTF-8.
QUrl WebDictionaryUrl(std::string_view word);

} // namespace quillby
