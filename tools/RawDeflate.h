// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string>

namespace quillby::tools {

// `text` as one raw Deflate stream (no zlib header, no trailer), at the best compression, as
// the program's embedded resources are stored.
std::string RawDeflate(const std::string &text);

} // namespace quillby::tools
