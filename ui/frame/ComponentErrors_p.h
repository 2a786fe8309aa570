// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/Errors.h"

#include <string>

namespace quillby {

// A component refused a value, such as a name that another item already carries.
class EComponentError : public QuillbyError {
public:
    using QuillbyError::QuillbyError;
};

// An index outside a list or collection.
class EListError : public QuillbyError {
public:
    explicit EListError(int index)
        : QuillbyError("List index out of bounds (" + std::to_string(index) + ")")
    {
    }
};

// An object copied onto one of a kind that cannot take it.
class EConvertError : public QuillbyError {
public:
    EConvertError(const std::string &source, const std::string &destination)
        : QuillbyError("Cannot assign a " + source + " to a " + destination)
    {
    }
};

} // namespace quillby
