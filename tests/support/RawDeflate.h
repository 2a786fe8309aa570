// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "tools/RawDeflate.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillby::testing {

// `text` as a raw Deflate stream, compressed as the build compresses the lists.
inline std::vector<unsigned char> RawDeflate(std::string_view text)
{
    const std::string stream = tools::RawDeflate(std::string(text));
    return {stream.begin(), stream.end()};
}

} // namespace quillby::testing
