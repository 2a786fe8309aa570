// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstddef>
#include <string_view>

namespace quillby::cli {

// The program's standard output, which keeps why a write failed: a full disk or a closed pipe
// is reported, not passed over.
class StandardOutput {
public:
    // Bytes as they are.
    void Write(std::string_view bytes);
    // Windows-1252 text, as UTF-8.
    void WriteText(std::string_view text1252);
    void Put(char c) { Write(std::string_view(&c, 1)); }

    // Writes out what is buffered; false when anything written so far was lost, after saying so
    // on standard error.
    bool Flush();

private:
    // The error of the first write that failed; 0 while none has.
    int error_ = 0;
    bool failed_ = false;
};

} // namespace quillby::cli
