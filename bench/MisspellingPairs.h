// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillby::bench {

// One line of a set of misspellings: what was typed, TAB, the word meant.
struct Pair {
    std::string typed;
    std::string intended;
};

// The pairs of the file at `path` (lines ended by LF or CR LF; lines without a TAB skipped).
// Raises std::runtime_error when the file cannot be read.
inline std::vector<Pair> ReadPairs(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<Pair> pairs;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            pairs.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return pairs;
}

} // namespace quillby::bench
