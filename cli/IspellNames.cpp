// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/IspellNames.h"

#include "text/AsciiCase.h"

#include <array>
#include <string>

namespace quillby::cli {

bool IsEnglishDictionary(std::string_view name)
{
    const std::string lower = AsciiLower(name);
    constexpr std::array<std::string_view, 7> kNames = {
        "default", "english", "american", "british", "canadian", "australian", "newzealand"};
    for (std::string_view english : kNames) {
        if (lower == english)
            return true;
    }
    // A language code, then a region or a size after "_", "-" or ".".
    return lower == "en" || (lower.starts_with("en") && lower.size() > 2 &&
                             std::string_view("_-.").find(lower[2]) != std::string_view::npos);
}

bool IsUtf8Name(std::string_view name)
{
    const std::string lower = AsciiLower(name);
    return lower == "utf-8" || lower == "utf8";
}

} // namespace quillby::cli
