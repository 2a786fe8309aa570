// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillby {

using ResourceBytes = std::span<const unsigned char>;

// The resource types the program file carries.
inline constexpr std::string_view kRcData = "RCDATA";
inline constexpr std::string_view kHtml = "HTML";
inline constexpr std::string_view kBitmap = "BITMAP";

// Read-only store of named resources, found by type and by name ignoring case. The bytes stay
// valid as long as the store lives.
class ResourceStore {
public:
    virtual ~ResourceStore() = default;
    virtual std::optional<ResourceBytes> Find(std::string_view type,
                                              std::string_view name) const = 0;
};

// The bytes of a resource; raises EResNotFound naming `name` as asked when it is not there.
ResourceBytes OpenResource(const ResourceStore &store, std::string_view type,
                           std::string_view name);

// ASCII upper case, the form in which resource names are stored.
std::string ResourceKey(std::string_view name);

} // namespace quillby
