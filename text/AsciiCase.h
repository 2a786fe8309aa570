// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string>
#include <string_view>

namespace quillby {

// ASCII case: "a" to "z" and "A" to "Z" change, every other byte stays as it is. Prefix
// matching, resource names and the prior table's keys ignore case this way.

constexpr char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);

// Whether `text`, ASCII-upper-cased, begins with `upperPrefix`, which is already upper case.
// An empty prefix begins nothing.
bool StartsWithAsciiUpper(std::string_view text, std::string_view upperPrefix);

} // namespace quillby
