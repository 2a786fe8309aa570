// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"

#include <memory>
#include <vector>

namespace quillby {

// The Webster lists as loaded: keys "A" to "Z" in load order, each owning its list. A list
// stays where it is until the lists are freed, so a search may keep a view of it.
class WebsterLists {
public:
    // Appends `list` under `key` and gives the list as now held.
    const TextLines &Append(char key, TextLines list);
    std::size_t size() const { return items_.size(); }
    char Key(std::size_t index) const { return items_[index].key; }
    const TextLines &List(std::size_t index) const { return *items_[index].list; }

private:
    struct Item {
        char key;
        std::unique_ptr<const TextLines> list;
    };
    std::vector<Item> items_;
};

} // namespace quillby
