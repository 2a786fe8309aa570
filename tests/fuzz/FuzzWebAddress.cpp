// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The web dictionary's address for arbitrary Windows-1252 bytes: the word part holds only
// unreserved characters and "%XX", and decodes to the word's UTF-8; percent-encoding any bytes,
// valid UTF-8 or not, decodes back to the same bytes.

#include "text/Codepage1252.h"
#include "ui/actions/WebDictionaryUrl.h"

#include <QByteArray>
#include <QUrl>

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool IsUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool IsUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// Only unreserved characters and "%" with two upper-case hex digits.
bool WellEncoded(const QByteArray &value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (IsUnreserved(value[i]))
            continue;
        if (value[i] != '%' || i + 2 >= value.size() || !IsUpperHex(value[i + 1]) ||
            !IsUpperHex(value[i + 2]))
            return false;
        i += 2;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view word(reinterpret_cast<const char *>(data), size);
    const QByteArray raw(word.data(), static_cast<qsizetype>(word.size()));

    const QByteArray encoded = quillby::PercentEncodeQueryValue(raw);
    Check(WellEncoded(encoded));
    Check(QByteArray::fromPercentEncoding(encoded) == raw);

    const QUrl url = quillby::WebDictionaryUrl(word);
    Check(url.isValid());
    const QByteArray address = url.toEncoded();
    const QByteArray search(quillby::kWebDictionarySearch);
    Check(address.startsWith(search));
    const QByteArray value = address.mid(search.size());
    Check(WellEncoded(value));
    Check(QByteArray::fromPercentEncoding(value) == quillby::FromCp1252(word).toUtf8());
    Check(url.host() == QStringLiteral("www.dictionary.com") &&
          url.path() == QStringLiteral("/search"));
    return 0;
}
