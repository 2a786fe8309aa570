// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/ResourceStore.h"

#include "data/Errors.h"

namespace quillby {

std::string ResourceKey(std::string_view name)
{
    std::string key(name);
    for (char &c : key) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return key;
}

ResourceBytes OpenResource(const ResourceStore &store, std::string_view type, std::string_view name)
{
    if (auto bytes = store.Find(type, name))
        return *bytes;
    throw EResNotFound(std::string(name));
}

} // namespace quillby
