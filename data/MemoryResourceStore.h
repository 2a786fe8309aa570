// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quillby {

// A store that owns its resources in memory: for tools, and for tests that hand the loader a
// list that is missing, damaged or empty.
class MemoryResourceStore : public ResourceStore {
public:
    MemoryResourceStore() = default;
    // Copies every resource of `type` that `source` holds under one of `names`.
    MemoryResourceStore(const ResourceStore &source, std::string_view type,
                        const std::vector<std::string> &names);

    void Put(std::string_view type, std::string_view name, std::vector<unsigned char> bytes);
    void Remove(std::string_view type, std::string_view name);
    // The stored bytes, for changing them in place; null when absent.
    std::vector<unsigned char> *Get(std::string_view type, std::string_view name);

    std::optional<ResourceBytes> Find(std::string_view type, std::string_view name) const override;

private:
    std::map<std::pair<std::string, std::string>, std::vector<unsigned char>> resources_;
};

} // namespace quillby
