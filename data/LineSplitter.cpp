#include "LineSplitter.h"

#include <cstring>

namespace quillby {

namespace {

// The next `c` at or after `from`, or `end` when there is none. An empty range is not searched:
// an empty text may have no address at all.
const char *Next(const char *from, const char *end, char c) {
    if (from >= end)
        return end;
    const void *found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char *>(found) : end;
}

} // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
    const char *p = text.data();
    const char *end = Next(p, p + text.size(), '\0');

    std::vector<std::string_view> lines;
    // Lists end their lines with CR LF or LF as a rule: one view per LF is close to the count.
    std::size_t lineFeeds = 0;
    for (const char *lf = Next(p, end, '\n'); lf < end; lf = Next(lf + 1, end, '\n'))
        ++lineFeeds;
    lines.reserve(lineFeeds + 1);
    // The next CR and the next LF are looked for with memchr and kept until passed, so each
    // byte is scanned about once whatever mix of line ends the text holds.
    const char *nextCr = Next(p, end, '\r');
    const char *nextLf = Next(p, end, '\n');
    while (p < end) {
        if (nextCr < p)
            nextCr = Next(p, end, '\r');
        if (nextLf < p)
            nextLf = Next(p, end, '\n');
        const char *lineEnd = nextCr < nextLf ? nextCr : nextLf;
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
