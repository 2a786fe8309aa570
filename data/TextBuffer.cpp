// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/TextBuffer.h"

#include <cstring>

namespace quillby {

TextBuffer::TextBuffer(std::string_view text)
{
    Reserve(text.size());
    if (!text.empty())
        std::memcpy(bytes_.get(), text.data(), text.size());
    size_ = text.size();
}

void TextBuffer::Reserve(std::size_t capacity)
{
    if (capacity <= capacity_)
        return;
    auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0)
        std::memcpy(bigger.get(), bytes_.get(), size_);
    bytes_ = std::move(bigger);
    capacity_ = capacity;
}

} // namespace quillby
