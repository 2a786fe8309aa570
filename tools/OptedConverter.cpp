// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "tools/OptedConverter.h"

#include <algorithm>

namespace quillby::tools {

namespace {

constexpr std::string_view kEntryStart = "<P>";
constexpr std::string_view kEntryEnd = "</P>";
constexpr std::string_view kBodyEnd = "</BODY>";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool IsBlankOrLineEnd(char c)
{
    return IsBlank(c) || c == '\r' || c == '\n';
}

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Every line end becomes one space; with `dropParagraphEnds` each "</P>", with the blanks and
// line ends around it, becomes one space too.
std::string Flatten(std::string_view text, bool dropParagraphEnds)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (dropParagraphEnds && text.substr(i, kEntryEnd.size()) == kEntryEnd) {
            while (!out.empty() && IsBlankOrLineEnd(out.back()))
                out.pop_back();
            i += kEntryEnd.size();
            while (i < text.size() && IsBlankOrLineEnd(text[i]))
                ++i;
            out.push_back(' ');
            continue;
        }
        const char c = text[i++];
        out.push_back(c == '\r' || c == '\n' ? ' ' : c);
    }
    return out;
}

// The text between `open` and `close` at or after `from`, within `limit`; `from` moves past
// `close`. Empty when either marker is missing.
std::string_view Between(std::string_view entry, std::size_t &from, std::string_view open,
                         std::string_view close)
{
    const std::size_t start = entry.find(open, from);
    if (start == std::string_view::npos)
        return {};
    const std::size_t textStart = start + open.size();
    const std::size_t end = entry.find(close, textStart);
    if (end == std::string_view::npos)
        return {};
    from = end + close.size();
    return entry.substr(textStart, end - textStart);
}

void AppendField(std::string &line, std::string_view raw, bool dropParagraphEnds)
{
    line += TrimBlanks(Flatten(raw, dropParagraphEnds));
}

} // namespace

std::string ConvertOptedPage(std::string_view html)
{
    std::string out;
    out.reserve(html.size());
    const std::size_t bodyEnd = std::min(html.find(kBodyEnd), html.size());
    std::size_t start = html.find(kEntryStart);
    while (start != std::string_view::npos && start < bodyEnd) {
        const std::size_t textStart = start + kEntryStart.size();
        const std::size_t next = html.find(kEntryStart, textStart);
        const std::size_t end = std::min(next, bodyEnd);
        const std::string_view entry = html.substr(textStart, end - textStart);

        std::size_t cursor = 0;
        const std::string_view word = Between(entry, cursor, "<B>", "</B>");
        const std::string_view partOfSpeech = Between(entry, cursor, "(<I>", "</I>)");
        const std::string_view definition = entry.substr(cursor);

        out += '"';
        AppendField(out, word, false);
        out += "\",\"";
        AppendField(out, partOfSpeech, false);
        out += "\",\"";
        AppendField(out, definition, true);
        out += "\"\r\n";
        start = next;
    }
    return out;
}

} // namespace quillby::tools
