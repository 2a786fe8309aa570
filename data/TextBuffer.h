// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace quillby {

// A growable byte buffer that leaves its spare room uninitialised, so that inflating into it
// touches only the memory the text really needs.
class TextBuffer {
public:
    TextBuffer() = default;
    explicit TextBuffer(std::string_view text);

    char *data() { return bytes_.get(); }
    const char *data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    std::string_view view() const { return {bytes_.get(), size_}; }

    // Makes room for at least `capacity` bytes, keeping the first size() bytes.
    void Reserve(std::size_t capacity);
    // Sets how many bytes hold text; at most capacity().
    void SetSize(std::size_t size) { size_ = size; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace quillby
