// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"
#include "data/TextBuffer.h"

#include <cstdint>
#include <functional>

namespace quillby {

// The block of compressed input after each of which progress is reported.
inline constexpr std::size_t InflateBlockSize = 16384;

// Receives the share of the compressed input read so far, 0 to 100.
using ProgressCallback = std::function<void(int percent)>;

// T x 100 / S rounded to the nearest integer, a tie going to the even one.
int ProgressPercent(std::uint64_t bytesRead, std::uint64_t totalBytes);

// Inflates one whole raw Deflate stream (no header, no trailer). The input is read in blocks of
// InflateBlockSize bytes; after each block is read, and before it is inflated, `progress` gets
// the percentage read. Raises EDecompressionError on damaged data and on input that ends before
// the final block (an empty input included), EOutOfMemory when the output cannot grow.
TextBuffer InflateWithProgress(ResourceBytes compressed, const ProgressCallback &progress);

} // namespace quillby
