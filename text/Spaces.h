// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string_view>

namespace quillby {

// `text` without the spaces, tabs and line ends around it (a word pasted from a document often
// carries them); the spaces inside stay. Empty when `text` holds nothing else.
std::string_view TrimSpaces(std::string_view text);

} // namespace quillby
