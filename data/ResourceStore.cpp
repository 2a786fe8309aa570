// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/ResourceStore.h"

#include "data/Errors.h"
#include "text/AsciiCase.h"

namespace quillby {

std::string ResourceKey(std::string_view name)
{
    return AsciiUpper(name);
}

ResourceBytes OpenResource(const ResourceStore &store, std::string_view type, std::string_view name)
{
    if (auto bytes = store.Find(type, name))
        return *bytes;
    throw EResNotFound(std::string(name));
}

} // namespace quillby
