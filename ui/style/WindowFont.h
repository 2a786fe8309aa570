// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QFont>

namespace quillby {

// The windows' font: "MS Sans Serif" 8 point (11 pixels high) where it is installed,
// otherwise the platform's sans-serif at the same pixel height, so fixed layouts still fit.
QFont WindowFont();

} // namespace quillby
