// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <stdexcept>
#include <string>

namespace quillby {

// Every error the program raises itself; the application's error box shows its message.
class QuillbyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A resource asked for by name is not in the store.
class EResNotFound : public QuillbyError {
public:
    explicit EResNotFound(const std::string &name)
        : QuillbyError("Resource " + name + " not found")
    {
    }
};

// A compressed list is damaged or ends before its final block.
class EDecompressionError : public QuillbyError {
public:
    using QuillbyError::QuillbyError;
};

// A buffer or list could not grow.
class EOutOfMemory : public QuillbyError {
public:
    using QuillbyError::QuillbyError;
};

} // namespace quillby
