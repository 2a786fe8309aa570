// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ListLoader.h"
#include "resources/QtResourceStore.h"

namespace quillby::bench {

// The program's own resources, and its lists loaded once for every benchmark that reads them.
inline const QtResourceStore &Store()
{
    static const QtResourceStore store;
    return store;
}

inline const TextLines &MobyList()
{
    static const TextLines list = LoadListResource(Store(), kWordListName, {});
    return list;
}

} // namespace quillby::bench
