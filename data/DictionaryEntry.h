// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <string>
#include <string_view>

namespace quillby {

// The three fields of one dictionary line `"word","part of speech","definition"`, as views into
// the line.
struct DictionaryFields {
    std::string_view word;
    std::string_view partOfSpeech;
    std::string_view definition;
};

// Splits a dictionary line into its fields. A line that does not begin with a double quote has
// three empty fields. Otherwise the opening quote and one closing quote at the end of the line
// are dropped and the rest is split at each `","`; quotes inside a field are part of the field,
// so `"Ey"ries","pl.","of Eyry"` gives `Ey"ries`. A missing field is empty; pieces after the
// third are not part of any field.
DictionaryFields SplitDictionaryLine(std::string_view line);

// Field n of a dictionary line (1 word, 2 part of speech, 3 definition), as a view into the line;
// the n-th piece between `","` separators for larger n, empty when there are fewer pieces.
// n = 0 gives the empty string.
std::string_view ExtractField(unsigned char n, std::string_view line);

// One entry's part of speech and definition, carried by a Webster suggestion. Set once.
class TinfoNode {
public:
    TinfoNode(std::string_view partOfSpeech, std::string_view definition)
        : partOfSpeech_(partOfSpeech)
        , definition_(definition)
    {
    }

    const std::string &PartOfSpeech() const { return partOfSpeech_; }
    const std::string &Definition() const { return definition_; }

private:
    std::string partOfSpeech_;
    std::string definition_;
};

} // namespace quillby
