// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "text/TextDecoding.h"

#include "text/Codepage1252.h"

#include <QStringDecoder>

namespace quillby {

DecodedText DecodeText(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return {std::move(text), true};
    return {FromCp1252(bytes), false};
}

} // namespace quillby
