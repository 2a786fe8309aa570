// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Line splitting on arbitrary bytes: never reads outside the text, and a text with only CR LF
// line ends comes back whole when its lines are joined again.

#include "data/LineSplitter.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto lines = quillby::SplitLines(text);

    std::size_t previousEnd = 0;
    bool onlyCrLf = text.find('\0') == std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))
            onlyCrLf = false;
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            onlyCrLf = false;
    }
    for (std::string_view line : lines) {
        const std::size_t start = static_cast<std::size_t>(line.data() - text.data());
        if (start < previousEnd || start + line.size() > text.size())
            std::abort(); // lines overlap or run past the text
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
            std::abort(); // a line holds a line end or a NUL
        previousEnd = start + line.size();
    }
    if (onlyCrLf) {
        std::string joined;
        for (std::string_view line : lines) {
            joined += line;
            joined += "\r\n";
        }
        const bool endsWithLineEnd = text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
        if (!endsWithLineEnd && !text.empty())
            joined.resize(joined.size() - 2);
        if (joined != text)
            std::abort();
    }
    return 0;
}
