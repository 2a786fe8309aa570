// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// Stores for tests: a copy of the program's own lists that a test may damage or thin out, and
// small lists made for a test.

#include "data/ListLoader.h"
#include "data/MemoryResourceStore.h"
#include "resources/QtResourceStore.h"
#include "tests/support/RawDeflate.h"

#include <map>
#include <string>
#include <vector>

namespace quillby::testing {

// Every embedded list, copied into memory.
inline MemoryResourceStore CopyOfEmbeddedLists()
{
    return MemoryResourceStore(QtResourceStore(), kRcData, AllListNames());
}

// Lines joined with CR LF after each, as the lists hold them.
inline std::string ListText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

// A store with a small Moby list and one small list per Webster letter; `webster` replaces the
// lists of the letters it names.
inline MemoryResourceStore SmallStore(const std::vector<std::string> &moby,
                                      const std::map<char, std::vector<std::string>> &webster)
{
    MemoryResourceStore store;
    store.Put(kRcData, ResourceKey(kWordListName), RawDeflate(ListText(moby)));
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const auto found = webster.find(letter);
        const std::vector<std::string> lines =
            found != webster.end() ? found->second
                                   : std::vector<std::string>{"\"" + std::string(1, letter) +
                                                              "\",\"n.\",\"A letter.\""};
        store.Put(kRcData, ResourceKey(WebsterListName(letter)), RawDeflate(ListText(lines)));
    }
    return store;
}

} // namespace quillby::testing
