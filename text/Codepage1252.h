// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace quillby {

// Text inside the program is single-byte Windows-1252, as the word lists are. These convert it
// to and from the Unicode text of the widgets and the clipboard.

// The Unicode character of one Windows-1252 byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the same value.
char16_t Cp1252ToUnicode(unsigned char byte);

// Decodes Windows-1252 bytes, the 0x80-0x9F range included.
QString FromCp1252(std::string_view bytes);

// Encodes text as Windows-1252; each character the code page lacks becomes one "?".
std::string ToCp1252(QStringView text);

} // namespace quillby
