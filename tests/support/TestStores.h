// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// Stores for tests: a copy of the program's own lists that a test may damage or thin out.

#include "data/ListLoader.h"
#include "data/MemoryResourceStore.h"
#include "resources/QtResourceStore.h"

#include <string>
#include <vector>

namespace quillby::testing {

// Every embedded list, copied into memory.
inline MemoryResourceStore CopyOfEmbeddedLists()
{
    return MemoryResourceStore(QtResourceStore(), kRcData, AllListNames());
}

} // namespace quillby::testing
