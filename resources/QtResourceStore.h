// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"

namespace quillby {

// The resources built into the program file, stored as ":/TYPE/NAME" in upper case.
class QtResourceStore : public ResourceStore {
public:
    std::optional<ResourceBytes> Find(std::string_view type, std::string_view name) const override;
};

} // namespace quillby
