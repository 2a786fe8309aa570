// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Dictionary fields of arbitrary lines: each field is a piece of the line itself, fields 1 to 3
// agree between the two readers, field 0 is empty, and a line with exactly two separators is
// given back whole when its fields are joined again.

#include "data/DictionaryEntry.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kSeparator = "\",\"";

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Whether `piece` is empty or lies inside `line`.
bool Inside(std::string_view piece, std::string_view line)
{
    if (piece.empty())
        return true;
    return piece.data() >= line.data() && piece.data() + piece.size() <= line.data() + line.size();
}

// The separators a reader meets going left to right, each search starting after the last one.
std::size_t SeparatorCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(kSeparator); at != std::string_view::npos;
         at = text.find(kSeparator, at + kSeparator.size()))
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char *>(data), size);
    const quillby::DictionaryFields fields = quillby::SplitDictionaryLine(line);

    Check(quillby::ExtractField(0, line).empty());
    const std::string_view byNumber[] = {quillby::ExtractField(1, line),
                                         quillby::ExtractField(2, line),
                                         quillby::ExtractField(3, line)};
    const std::string_view split[] = {fields.word, fields.partOfSpeech, fields.definition};
    for (int i = 0; i < 3; ++i) {
        Check(byNumber[i] == split[i]);
        Check(Inside(split[i], line));
        Check(split[i].find(kSeparator) == std::string_view::npos);
        Check(split[i].size() + 1 <= line.size() || split[i].empty());
    }
    if (line.empty() || line.front() != '"') {
        for (std::string_view field : split)
            Check(field.empty());
        return 0;
    }

    // A well-formed line, "word","part of speech","definition", is its fields joined again.
    const bool closed = line.size() >= 2 && line.back() == '"';
    const std::string_view inner = line.substr(1, line.size() - (closed ? 2 : 1));
    if (closed && SeparatorCount(inner) == 2) {
        const std::string joined = "\"" + std::string(fields.word) + std::string(kSeparator) +
                                   std::string(fields.partOfSpeech) + std::string(kSeparator) +
                                   std::string(fields.definition) + "\"";
        Check(joined == line);
    }
    // With no separator the whole text between the quotes is the word.
    if (SeparatorCount(inner) == 0) {
        Check(fields.word == inner);
        Check(fields.partOfSpeech.empty() && fields.definition.empty());
    }
    // Fields past the third are never read.
    for (unsigned char n = 4; n < 8; ++n)
        Check(Inside(quillby::ExtractField(n, line), line));
    return 0;
}
