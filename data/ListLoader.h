// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/InflateStream.h"
#include "data/ResourceStore.h"
#include "data/TextLines.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// The name the program asks for to get the Moby word list.
inline constexpr std::string_view kWordListName = "mobyWordListCompressed";

// The name asked for to get the Webster list of `letter` ("A_txt_deflated" ...).
std::string WebsterListName(char letter);

// Every list the program loads, in load order: the Word list, then "A_txt_deflated" to
// "Z_txt_deflated".
std::vector<std::string> AllListNames();

// Opens the raw-data resource `name`, inflates it with progress and splits it into lines.
// Raises EResNotFound, EDecompressionError or EOutOfMemory.
TextLines LoadListResource(const ResourceStore &store, std::string_view name,
                           const ProgressCallback &progress);

} // namespace quillby
