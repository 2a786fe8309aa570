// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/WebsterLists.h"

namespace quillby {

const TextLines &WebsterLists::Append(char key, TextLines list)
{
    items_.push_back({key, std::make_unique<const TextLines>(std::move(list))});
    return *items_.back().list;
}

} // namespace quillby
