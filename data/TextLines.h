// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextBuffer.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// One loaded list: its whole text, owned, and its lines as views into that text, in text
// order, duplicates included. Moving keeps the views valid; copying copies the text.
class TextLines {
public:
    TextLines() = default;
    // Takes the text and splits it into lines.
    explicit TextLines(TextBuffer text);
    explicit TextLines(std::string_view text);
    TextLines(const TextLines &other);
    TextLines &operator=(const TextLines &other);
    TextLines(TextLines &&) noexcept = default;
    TextLines &operator=(TextLines &&) noexcept = default;

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    std::string_view operator[](std::size_t i) const { return lines_[i]; }
    const std::vector<std::string_view> &lines() const { return lines_; }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }
    // The bytes held, line ends included.
    std::size_t textSize() const { return text_.size(); }

    void clear();

private:
    TextBuffer text_;
    std::vector<std::string_view> lines_;
};

} // namespace quillby
