// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string_view>

namespace quillby::cli {

class PersonalWords;
class SpellingJudge;
class StandardOutput;

// -a: prints the banner, then answers standard input line by line until it ends, each answer
// written out at once. Returns the exit status: 0, or 1 when the output could not be written or
// the input not read.
int RunPipeSession(SpellingJudge &judge, PersonalWords &personal, bool utf8Only,
                   std::string_view version, StandardOutput &out);

} // namespace quillby::cli
