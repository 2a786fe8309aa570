// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/DictionaryEntry.h"

namespace quillby {

namespace {

constexpr std::string_view kSeparator = "\",\"";

// The text between the opening quote and the closing quote at the end of the line; nothing
// when the line does not begin with a quote.
std::string_view FieldText(std::string_view line)
{
    if (line.empty() || line.front() != '"')
        return {};
    line.remove_prefix(1);
    if (!line.empty() && line.back() == '"')
        line.remove_suffix(1);
    return line;
}

// Cuts the first piece off `rest` at the next separator; `rest` keeps what follows it, and
// becomes empty after the last piece.
std::string_view NextPiece(std::string_view &rest, bool &more)
{
    const std::size_t at = rest.find(kSeparator);
    if (at == std::string_view::npos) {
        const std::string_view piece = rest;
        rest = {};
        more = false;
        return piece;
    }
    const std::string_view piece = rest.substr(0, at);
    rest.remove_prefix(at + kSeparator.size());
    return piece;
}

} // namespace

DictionaryFields SplitDictionaryLine(std::string_view line)
{
    DictionaryFields fields;
    if (line.empty() || line.front() != '"')
        return fields;
    std::string_view rest = FieldText(line);
    bool more = true;
    fields.word = NextPiece(rest, more);
    if (more)
        fields.partOfSpeech = NextPiece(rest, more);
    if (more)
        fields.definition = NextPiece(rest, more);
    return fields;
}

std::string_view ExtractField(unsigned char n, std::string_view line)
{
    if (n == 0 || line.empty() || line.front() != '"')
        return {};
    std::string_view rest = FieldText(line);
    bool more = true;
    std::string_view piece;
    for (unsigned i = 0; i < n; ++i) {
        if (!more)
            return {};
        piece = NextPiece(rest, more);
    }
    return piece;
}

} // namespace quillby
