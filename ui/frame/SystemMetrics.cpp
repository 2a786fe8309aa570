// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/SystemMetrics_p.h"

namespace quillby {

SystemMetrics::SystemMetrics()
{
    Set(SM_CYCAPTION, 19);
    Set(SM_CXDLGFRAME, 3);
    Set(SM_CYDLGFRAME, 3);
    Set(SM_CXSIZE, 18);
    Set(SM_CYSIZE, 18);
    Set(SM_CXFRAME, 4);
    Set(SM_CYFRAME, 4);
    Set(SM_CXEDGE, 2);
    Set(SM_CYEDGE, 2);
    Set(SM_CYSMCAPTION, 16);
    Set(SM_CXSMSIZE, 12);
    Set(SM_CYSMSIZE, 15);
}

int SystemMetrics::Get(SystemMetric metric) const
{
    return values_.at(static_cast<std::size_t>(metric));
}

void SystemMetrics::Set(SystemMetric metric, int value)
{
    values_.at(static_cast<std::size_t>(metric)) = value;
}

} // namespace quillby
