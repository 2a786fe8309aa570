// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/MemoryResourceStore.h"

namespace quillby {

namespace {
std::pair<std::string, std::string> Key(std::string_view type, std::string_view name)
{
    return {ResourceKey(type), ResourceKey(name)};
}
} // namespace

MemoryResourceStore::MemoryResourceStore(const ResourceStore &source, std::string_view type,
                                         const std::vector<std::string> &names)
{
    for (const std::string &name : names) {
        if (auto bytes = source.Find(type, name))
            Put(type, name, {bytes->begin(), bytes->end()});
    }
}

void MemoryResourceStore::Put(std::string_view type, std::string_view name,
                              std::vector<unsigned char> bytes)
{
    resources_[Key(type, name)] = std::move(bytes);
}

void MemoryResourceStore::Remove(std::string_view type, std::string_view name)
{
    resources_.erase(Key(type, name));
}

std::vector<unsigned char> *MemoryResourceStore::Get(std::string_view type, std::string_view name)
{
    auto it = resources_.find(Key(type, name));
    return it == resources_.end() ? nullptr : &it->second;
}

std::optional<ResourceBytes> MemoryResourceStore::Find(std::string_view type,
                                                       std::string_view name) const
{
    auto it = resources_.find(Key(type, name));
    if (it == resources_.end())
        return std::nullopt;
    return ResourceBytes(it->second.data(), it->second.size());
}

} // namespace quillby
