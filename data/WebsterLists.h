// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"

#include <vector>

namespace quillby {

// The Webster lists as loaded: keys "A" to "Z" in load order, each owning its list.
class WebsterLists {
public:
    void Append(char key, TextLines list);
    std::size_t size() const { return items_.size(); }
    char Key(std::size_t index) const { return items_[index].key; }
    const TextLines &List(std::size_t index) const { return items_[index].list; }
    // The list whose key equals `key` ignoring ASCII case; null when there is none.
    const TextLines *Find(char key) const;

private:
    struct Item {
        char key;
        TextLines list;
    };
    std::vector<Item> items_;
};

} // namespace quillby
