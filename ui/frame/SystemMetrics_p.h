// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <array>

namespace quillby {

// The metrics a framed form draws its frame with, by their Windows index numbers.
enum SystemMetric {
    SM_CYCAPTION = 4,
    SM_CXDLGFRAME = 7,
    SM_CYDLGFRAME = 8,
    SM_CXSIZE = 30,
    SM_CYSIZE = 31,
    SM_CXFRAME = 32,
    SM_CYFRAME = 33,
    SM_CXEDGE = 45,
    SM_CYEDGE = 46,
    SM_CYSMCAPTION = 51,
    SM_CXSMSIZE = 52,
    SM_CYSMSIZE = 53,
};

// A set of system metrics. The defaults are the classic look at 96 pixels per inch, which is
// how a framed form draws itself unless given others: a caption 19 pixels high (18 plus the line
// under it) with 16 x 14 caption buttons, a 3-pixel dialog frame and a 4-pixel sizing frame.
class SystemMetrics {
public:
    SystemMetrics();

    int Get(SystemMetric metric) const;
    void Set(SystemMetric metric, int value);

    bool operator==(const SystemMetrics &other) const = default;

private:
    static constexpr int kCount = SM_CYSMSIZE + 1;
    std::array<int, kCount> values_{};
};

} // namespace quillby
