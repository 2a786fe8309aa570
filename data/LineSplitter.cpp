#include "LineSplitter.h"

#include <algorithm>
#include <cstring>

namespace quillby {

std::vector<std::string_view> SplitLines(std::string_view text)
{
    if (const void *nul = std::memchr(text.data(), '\0', text.size()))
        text = text.substr(0, static_cast<const char *>(nul) - text.data());

    std::vector<std::string_view> lines;
    // One line end per line in the usual case: reserving for them avoids regrowing.
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);

    const char *p = text.data();
    const char *const end = p + text.size();
    while (p < end) {
        const char *lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        lines.emplace_back(p, static_cast<std::size_t>(lineEnd - p));
        p = lineEnd;
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
    }
    return lines;
}

} // namespace quillby
