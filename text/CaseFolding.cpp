// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "text/CaseFolding.h"

namespace quillby {

bool SameTextIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldedByte(a[i]) != FoldedByte(b[i]))
            return false;
    }
    return true;
}

} // namespace quillby
