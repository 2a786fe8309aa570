// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string_view>
#include <vector>

namespace quillby::cli {

class SpellingJudge;
class StandardOutput;

// --check: prints a line for each misspelled word of each file ("-" or none: standard input),
// and returns the exit status: 0 when it reported nothing, 1 when it reported a word, 2 when a
// file could not be read (said on standard error; the others are still checked) or the output
// could not be written. The files are only read.
int CheckFiles(const std::vector<std::string_view> &files, SpellingJudge &judge,
               StandardOutput &out);

} // namespace quillby::cli
