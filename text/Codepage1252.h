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

// Upper case of one Windows-1252 character, as the code page's own upper-casing gives it:
// a-z and the accented small letters that have a capital in the code page; every other byte is
// returned as it is.
constexpr char UpperCase1252(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z')
        return static_cast<char>(byte - ('a' - 'A'));
    switch (byte) {
    case 0x9A: // s with caron
    case 0x9C: // oe ligature
    case 0x9E: // z with caron
        return static_cast<char>(byte - 0x10);
    case 0xFF: // y with diaeresis
        return static_cast<char>(0x9F);
    case 0xF7: // division sign
        return c;
    default:
        break;
    }
    if (byte >= 0xE0 && byte <= 0xFE)
        return static_cast<char>(byte - 0x20);
    return c;
}

} // namespace quillby
