// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ListLoader.h"
#include "lookup/LookupEngine.h"
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

// A list without lines, kept for every benchmark.
inline const TextLines &NoList()
{
    static const TextLines none;
    return none;
}

// An engine that reads the prior table from the program's resources and searches `moby`, and
// `webster` as the Webster list of `letter`, where they are kept (they outlive the engine);
// nothing built over them yet.
inline LookupEngine EngineOver(const TextLines &moby, char letter = 'A',
                               const TextLines &webster = NoList())
{
    LookupEngine engine([] { return LoadWordPriors(Store()); });
    engine.SetMobyList(moby);
    engine.SetWebsterList(letter, webster);
    return engine;
}

} // namespace quillby::bench
