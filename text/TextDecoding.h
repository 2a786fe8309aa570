// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

#include <string_view>

namespace quillby {

// Text as read from a file: UTF-8 when the bytes are valid UTF-8 (a byte-order mark dropped),
// else Windows-1252.
struct DecodedText {
    QString text;
    bool utf8 = true;
};
DecodedText DecodeText(std::string_view bytes);

} // namespace quillby
