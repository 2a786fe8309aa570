// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string>
#include <string_view>

namespace quillby::tools {

// Converts one letter page of the OPTED dictionary into the Webster list text: one line
// `"word","part of speech","definition"` followed by CR LF per <P> entry, in page order.
// Bytes are kept as they are; only the markup and line ends are dropped.
std::string ConvertOptedPage(std::string_view html);

} // namespace quillby::tools
