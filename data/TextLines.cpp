// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/TextLines.h"

#include "data/LineSplitter.h"

namespace quillby {

TextLines::TextLines(TextBuffer text)
    : text_(std::move(text))
    , lines_(SplitLines(text_.view()))
{
}

TextLines::TextLines(std::string_view text)
    : TextLines(TextBuffer(text))
{
}

TextLines::TextLines(const TextLines &other)
{
    *this = other;
}

TextLines &TextLines::operator=(const TextLines &other)
{
    if (this == &other)
        return *this;
    TextBuffer text(other.text_.view());
    std::vector<std::string_view> lines;
    lines.reserve(other.lines_.size());
    for (std::string_view line : other.lines_)
        lines.emplace_back(text.data() + (line.data() - other.text_.data()), line.size());
    text_ = std::move(text);
    lines_ = std::move(lines);
    return *this;
}

void TextLines::clear()
{
    lines_.clear();
    text_ = TextBuffer();
}

} // namespace quillby
