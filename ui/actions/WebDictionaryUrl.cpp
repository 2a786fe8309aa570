// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/WebDictionaryUrl.h"

#include "text/Codepage1252.h"

namespace quillby {

namespace {

bool IsUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

QByteArray PercentEncodeQueryValue(QByteArrayView bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray encoded;
    encoded.reserve(bytes.size() * 3);
    for (char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsUnreserved(c)) {
            encoded.append(byte);
        } else {
            encoded.append('%');
            encoded.append(kHex[c >> 4]);
            encoded.append(kHex[c & 0x0F]);
        }
    }
    return encoded;
}

QUrl WebDictionaryUrl(std::string_view word)
{
    const QByteArray utf8 = FromCp1252(word).toUtf8();
    return QUrl::fromEncoded(QByteArray(kWebDictionarySearch) + PercentEncodeQueryValue(utf8),
                             QUrl::StrictMode);
}

} // namespace quillby
