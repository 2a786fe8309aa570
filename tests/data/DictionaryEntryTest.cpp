// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/DictionaryEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quillby {
namespace {

struct FieldCase {
    const char *name;
    std::string_view line;
    std::string_view word;
    std::string_view partOfSpeech;
    std::string_view definition;
};

const FieldCase kFieldCases[] = {
    {"plain entry", R"("Azymic","a.","Azymous.")", "Azymic", "a.", "Azymous."},
    {"empty part of speech",
     R"("X","","X, the twenty-fourth letter of the English alphabet, has three sounds")", "X", "",
     "X, the twenty-fourth letter of the English alphabet, has three sounds"},
    {"quotes inside the definition",
     R"("Abed","adv.","To childbed (in the phrase "brought abed," that is, delivered of a child).")",
     "Abed", "adv.",
     R"(To childbed (in the phrase "brought abed," that is, delivered of a child).)"},
    {"quote inside the word", R"("Ey"ries","pl.","of Eyry")", R"(Ey"ries)", "pl.", "of Eyry"},
    {"comma in the definition", R"("Aback","adv.","Toward the back, or rear; backward.")", "Aback",
     "adv.", "Toward the back, or rear; backward."},
    {"definition ending in a quote", R"("Eureka","","cried out "Eureka!"")", "Eureka", "",
     R"(cried out "Eureka!")"},
    {"empty definition", R"("Antic","a.","")", "Antic", "a.", ""},
    {"line without quotes", "Azymic,a.,Azymous.", "", "", ""},
    {"line not beginning with a quote", R"(x"Azymic","a.","Azymous.")", "", "", ""},
    {"empty line", "", "", "", ""},
    {"a lone quote", R"(")", "", "", ""},
    {"one field only", R"("Word")", "Word", "", ""},
    {"no closing quote", R"("Word","n.","text)", "Word", "n.", "text"},
    {"two fields", R"("Word","n.")", "Word", "n.", ""},
};

class ExtractFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ExtractFieldTest, ReadsEachField)
{
    const FieldCase &c = GetParam();
    EXPECT_EQ(ExtractField(1, c.line), c.word);
    EXPECT_EQ(ExtractField(2, c.line), c.partOfSpeech);
    EXPECT_EQ(ExtractField(3, c.line), c.definition);
    EXPECT_EQ(ExtractField(0, c.line), "") << "field 0 is always empty";

    const DictionaryFields fields = SplitDictionaryLine(c.line);
    EXPECT_EQ(fields.word, c.word);
    EXPECT_EQ(fields.partOfSpeech, c.partOfSpeech);
    EXPECT_EQ(fields.definition, c.definition);
}

INSTANTIATE_TEST_SUITE_P(Lines, ExtractFieldTest, ::testing::ValuesIn(kFieldCases),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             for (char &c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(ExtractField, FieldsPastTheThirdArePiecesBetweenSeparators)
{
    const std::string_view line = R"("a","b","c","d")";
    EXPECT_EQ(ExtractField(3, line), "c");
    EXPECT_EQ(ExtractField(4, line), "d");
    EXPECT_EQ(ExtractField(5, line), "");
    EXPECT_EQ(ExtractField(255, line), "");
    EXPECT_EQ(SplitDictionaryLine(line).definition, "c");
}

TEST(ExtractField, ResultIsAViewIntoTheLine)
{
    const std::string line = R"("Azymic","a.","Azymous.")";
    const std::string_view definition = ExtractField(3, line);
    EXPECT_EQ(definition.data(), line.data() + line.find("Azymous"));
}

TEST(TinfoNode, KeepsPartOfSpeechAndDefinitionInOrder)
{
    std::string part = "v. t.";
    std::string text = "To wind up.";
    const TinfoNode node(part, text);
    part = "changed";
    text = "changed";
    EXPECT_EQ(node.PartOfSpeech(), "v. t.");
    EXPECT_EQ(node.Definition(), "To wind up.");
}

} // namespace
} // namespace quillby
