// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

namespace quillby {

// The letter a Windows-1252 letter with a diacritic is written on: "é" gives "e", "Ñ" gives "N",
// "š" gives "s", "ÿ" gives "y", in the same case. Letters that stand for two ("æ", "œ", "ß") and
// every other byte are returned as they are.
char PlainLetter(char c);

} // namespace quillby
