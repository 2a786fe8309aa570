// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

namespace quillby {

// Whether two letters sit on touching keys of the common English keyboard (QWERTY), beside or
// diagonally above or below each other; case ignored. Anything but two letters touches nothing.
bool NeighbouringKeys(char a, char b);

} // namespace quillby
