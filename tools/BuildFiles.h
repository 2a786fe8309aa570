// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <filesystem>
#include <string>

namespace quillby::tools {

// The whole file, byte for byte; throws std::runtime_error naming the file when it cannot be read.
std::string ReadFile(const std::filesystem::path &path);

// Replaces the file with `bytes`; throws std::runtime_error naming the file when it cannot.
void WriteFile(const std::filesystem::path &path, const std::string &bytes);

} // namespace quillby::tools
