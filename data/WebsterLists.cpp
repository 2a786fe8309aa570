// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/WebsterLists.h"

namespace quillby {

namespace {
char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

void WebsterLists::Append(char key, TextLines list)
{
    items_.push_back({key, std::move(list)});
}

const TextLines *WebsterLists::Find(char key) const
{
    for (const Item &item : items_) {
        if (AsciiUpper(item.key) == AsciiUpper(key))
            return &item.list;
    }
    return nullptr;
}

} // namespace quillby
