// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string_view>

namespace quillby::cli {

// The names editors give an ispell pipe for its dictionary and encoding.

// Whether `name` names an English dictionary: "en", "en_US", "en-GB", "en_US-large",
// "english", "american", "british", ... ignoring case.
bool IsEnglishDictionary(std::string_view name);

// Whether `name` names UTF-8: "utf-8", "UTF8", ...
bool IsUtf8Name(std::string_view name);

} // namespace quillby::cli
