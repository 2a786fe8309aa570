// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string_view>
#include <vector>

namespace quillby {

// Splits decompressed text into lines, as views into `text`. CR LF, a lone LF and a lone CR
// each end one line (LF followed by CR ends two); a final line end gives no empty last line; a
// last line without a line end still counts; the text ends at its first NUL byte. Nothing is
// trimmed, converted or removed.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace quillby
