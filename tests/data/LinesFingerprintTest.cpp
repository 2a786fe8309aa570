// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/LinesFingerprint.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

namespace quillby {
namespace {

std::uint64_t FingerprintOf(const std::vector<std::string_view> &lines)
{
    LinesFingerprint fingerprint;
    for (std::string_view line : lines)
        fingerprint.Add(line);
    return fingerprint.Value();
}

// Lists that differ only in where the lines break, in their order, in an empty line, in case or in
// a byte after the first eight: each has a fingerprint of its own.
TEST(LinesFingerprint, TellsApartListsThatDifferAnywhere)
{
    const std::vector<std::vector<std::string_view>> lists = {
        {},
        {""},
        {"", ""},
        {"abc"},
        {"ab", "c"},
        {"a", "bc"},
        {"c", "ab"},
        {"ab", "c", ""},
        {"Abc"},
        {"abcdefgh"},
        {"abcdefghi"},
        {"abcdefghj"},
        {"abcdefgh", "i"},
        {std::string_view("ab\0", 3)},
    };
    std::set<std::uint64_t> seen;
    for (const std::vector<std::string_view> &lines : lists)
        EXPECT_TRUE(seen.insert(FingerprintOf(lines)).second) << lines.size() << " lines";
    // The same lines, the same fingerprint.
    EXPECT_EQ(FingerprintOf({"ab", "c"}), FingerprintOf({"ab", "c"}));
}

} // namespace
} // namespace quillby
