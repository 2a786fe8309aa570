// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Page addresses, link resolution and the single-byte decoding of the help pages.
#include "lookup/Codepage1252.h"
#include "ui/help/HelpPageUrl.h"

#include <gtest/gtest.h>

#include <array>

namespace quillby {
namespace {

TEST(HelpPageUrl, KeepsTheProgramPathExactlyAsGiven)
{
    struct Case {
        QString path;
        QString expected;
    };
    const Case cases[] = {
        // The worked example of a program file under a folder with a space in its name.
        {QStringLiteral(R"(C:\Program Files\Tools\lists.exe)"),
         QStringLiteral(R"(res://C:\Program Files\Tools\lists.exe/HTML/QUILLBY)")},
        {QStringLiteral("/opt/my tools/quillby"),
         QStringLiteral("res:///opt/my tools/quillby/HTML/QUILLBY")},
        {QStringLiteral("/home/a%20b/#q?x/quillby"),
         QStringLiteral("res:///home/a%20b/#q?x/quillby/HTML/QUILLBY")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HelpPageUrl(c.path, QStringLiteral("QUILLBY")), c.expected)
            << c.path.toStdString();
}

TEST(HelpPageUrl, ResolvesLinksAgainstThePage)
{
    const QString home = QStringLiteral("res:///opt/my tools/quillby/HTML/QUILLBY");
    struct Case {
        const char *link;
        QString expected;
    };
    const Case cases[] = {
        {"moby", QStringLiteral("res:///opt/my tools/quillby/HTML/moby")},
        {"Opted", QStringLiteral("res:///opt/my tools/quillby/HTML/Opted")},
        {"#top", home + QStringLiteral("#top")},
        {"", home},
        {"https://www.dictionary.com/", QStringLiteral("https://www.dictionary.com/")},
        {"mailto:someone@example.org", QStringLiteral("mailto:someone@example.org")},
        {"res:///elsewhere/HTML/X", QStringLiteral("res:///elsewhere/HTML/X")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ResolveLink(home, QString::fromLatin1(c.link)), c.expected) << c.link;
}

TEST(HelpPageUrl, RecognisesSchemes)
{
    const std::pair<const char *, bool> cases[] = {
        {"http://x", true}, {"HTTPS://x", true}, {"mailto:a@b", true}, {"svn+ssh://h", true},
        {"moby", false},    {"a/b:c", false},    {"1http://x", false}, {":x", false},
        {"", false},        {"#x:y", false},
    };
    for (const auto &[address, expected] : cases)
        EXPECT_EQ(HasScheme(QString::fromLatin1(address)), expected) << address;
}

TEST(HelpPageUrl, TakesAddressesInsideTheProgramApart)
{
    // A path holding "#" and "/" must not be mistaken for a fragment or a type.
    const QString path = QStringLiteral("/srv/odd #1/quillby");
    const auto parsed = ParseResourceAddress(HelpPageUrl(path, QStringLiteral("moby#part")), path);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->type, QStringLiteral("HTML"));
    EXPECT_EQ(parsed->name, QStringLiteral("moby"));
    EXPECT_EQ(parsed->fragment, QStringLiteral("part"));

    const QString elsewhere[] = {
        HelpPageUrl(QStringLiteral("/srv/other"), QStringLiteral("moby")),
        QStringLiteral("res://") + path + QStringLiteral("/QUILLBY"),
        QStringLiteral("https://www.dictionary.com/"),
    };
    for (const QString &address : elsewhere)
        EXPECT_FALSE(ParseResourceAddress(address, path).has_value()) << address.toStdString();
}

TEST(Codepage1252, DecodesEveryByteToItsCodePoint)
{
    struct Case {
        unsigned char byte;
        char16_t expected;
    };
    const Case cases[] = {
        {0x00, 0x0000},
        {0x41, u'A'},
        {0x7F, 0x007F},
        {0x80, 0x20AC}, // euro sign
        {0x85, 0x2026}, // ellipsis
        {0x8A, 0x0160},
        {0x8C, 0x0152},
        {0x91, 0x2018},
        {0x93, 0x201C},
        {0x94, 0x201D},
        {0x96, 0x2013},
        {0x97, 0x2014},
        {0x99, 0x2122},
        {0x9F, 0x0178},
        {0xA0, 0x00A0},
        {0xE9, 0x00E9},
        {0xFC, 0x00FC}, // u with umlaut
        {0xFF, 0x00FF},
        // Unassigned in the code page: kept as the control character of the same number.
        {0x81, 0x0081},
        {0x8D, 0x008D},
        {0x8F, 0x008F},
        {0x90, 0x0090},
        {0x9D, 0x009D},
    };
    for (const Case &c : cases) {
        const std::array<unsigned char, 1> byte = {c.byte};
        const QString text =
            FromCp1252(std::string_view(reinterpret_cast<const char *>(byte.data()), 1));
        ASSERT_EQ(text.size(), 1) << int(c.byte);
        EXPECT_EQ(text[0].unicode(), c.expected) << std::hex << int(c.byte);
    }
}

TEST(Codepage1252, DecodesTextOfMixedBytes)
{
    const char bytes[] = {'N', '\x93', 'u', '\xFC', '\x94', '\r', '\n', 0};
    EXPECT_EQ(FromCp1252(std::string_view(bytes, sizeof bytes)),
              QString::fromUtf16(u"N\u201Cu\u00FC\u201D\r\n") + QChar(0));
    EXPECT_TRUE(FromCp1252({}).isEmpty());
}

} // namespace
} // namespace quillby
