// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Page addresses and link resolution of the help pages.
#include "ui/help/HelpPageUrl.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace quillby
