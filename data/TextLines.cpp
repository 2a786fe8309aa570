#include "TextLines.h"

#include "LineSplitter.h"

namespace quillby {

TextLines::TextLines(std::string text)
    : text_(std::make_unique<const std::string>(std::move(text)))
    , lines_(SplitLines(*text_))
{}

TextLines::TextLines(const TextLines &other)
{
    *this = other;
}

TextLines &TextLines::operator=(const TextLines &other)
{
    if (this == &other)
        return *this;
    if (!other.text_) {
        clear();
        return *this;
    }
    auto text = std::make_unique<const std::string>(*other.text_);
    std::vector<std::string_view> lines;
    lines.reserve(other.lines_.size());
    for (std::string_view line : other.lines_)
        lines.emplace_back(text->data() + (line.data() - other.text_->data()), line.size());
    text_ = std::move(text);
    lines_ = std::move(lines);
    return *this;
}

void TextLines::clear()
{
    lines_.clear();
    text_.reset();
}

} // namespace quillby
