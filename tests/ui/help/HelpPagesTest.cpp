// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The four help pages built into the program: their bytes, titles, links and text.
#include "resources/QtResourceStore.h"
#include "tests/ui/help/HelpTestSupport.h"
#include "ui/help/HelpPageUrl.h"
#include "ui/help/ResourceBrowser.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace quillby {
namespace {

const char *const kPages[] = {"QUILLBY", "MOBY", "OPTED", "GPL"};
const QString kPath = QStringLiteral("/usr/lib/quillby/quillby");

class HelpPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        browser_.resize(500, 300);
        browser_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser_));
    }
    void Show(const char *page)
    {
        browser_.Navigate(HelpPageUrl(kPath, QString::fromLatin1(page)));
    }

    QtResourceStore store_;
    ResourceBrowser browser_{store_, kPath};
};

TEST_F(HelpPagesTest, PagesAreSingleByteTextWithCrLfLineEnds)
{
    for (const char *name : kPages) {
        const auto bytes = store_.Find(kHtml, name);
        ASSERT_TRUE(bytes.has_value()) << name;
        ASSERT_FALSE(bytes->empty()) << name;
        EXPECT_EQ(bytes->back(), '\n') << name;
        std::size_t highBytes = 0;
        for (std::size_t i = 0; i < bytes->size(); ++i) {
            const unsigned char byte = (*bytes)[i];
            if (byte == '\n') {
                ASSERT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << name << " bare LF at " << i;
            }
            if (byte == '\r') {
                ASSERT_TRUE(i + 1 < bytes->size() && (*bytes)[i + 1] == '\n')
                    << name << " bare CR at " << i;
            }
            ASSERT_NE(byte, 0) << name;
            if (byte >= 0x80) {
                ++highBytes;
                EXPECT_EQ(byte, 0xFC) << name; // the one sample u with umlaut
            }
        }
        EXPECT_EQ(highBytes, std::string_view(name) == "OPTED" ? 1u : 0u) << name;
    }
}

TEST_F(HelpPagesTest, PagesCarryTheirTitles)
{
    const std::pair<const char *, const char *> cases[] = {
        {"QUILLBY", "Quillby Dictionary Utility"},
        {"MOBY", "Moby Project Declairation"},
        {"OPTED", "The Online Plain Text English Dictionary"},
        {"GPL", ""},
    };
    for (const auto &[page, title] : cases) {
        Show(page);
        EXPECT_EQ(browser_.LocationName(), QString::fromLatin1(title)) << page;
    }
}

TEST_F(HelpPagesTest, EveryLinkLeadsToAPageOrOutside)
{
    for (const char *page : kPages) {
        Show(page);
        const QString address = browser_.LocationURL();
        for (const QString &target : test::LinkTargets(browser_)) {
            const QString resolved = ResolveLink(address, target);
            if (IsOutsideAddress(resolved))
                continue;
            const auto parsed = ParseResourceAddress(resolved, kPath);
            ASSERT_TRUE(parsed.has_value()) << page << ": " << target.toStdString();
            EXPECT_EQ(parsed->type, QStringLiteral("HTML"));
            EXPECT_TRUE(store_.Find(kHtml, parsed->name.toStdString()).has_value())
                << page << ": " << target.toStdString();
        }
    }
}

TEST_F(HelpPagesTest, HomePageLinksAsDescribed)
{
    Show("QUILLBY");
    const QStringList targets = test::LinkTargets(browser_);
    // The two pages about the word sources, spelt as the home page spells them.
    EXPECT_EQ(test::LinkPoint(browser_, QStringLiteral("public domain.")).isNull(), false);
    EXPECT_TRUE(targets.contains(QStringLiteral("moby")));
    EXPECT_TRUE(targets.contains(QStringLiteral("Opted")));
    // The web lookup's service, and five links to outside sites in all.
    EXPECT_TRUE(targets.contains(QStringLiteral("https://www.dictionary.com/")));
    const auto outside = std::count_if(targets.begin(), targets.end(), IsOutsideAddress);
    EXPECT_EQ(outside, 5);
}

TEST_F(HelpPagesTest, MobyPageOpensWithTheSiteAddressAsLinkText)
{
    Show("MOBY");
    const QStringList targets = test::LinkTargets(browser_);
    ASSERT_EQ(targets.size(), 1);
    EXPECT_TRUE(IsOutsideAddress(targets[0]));
    EXPECT_TRUE(browser_.toPlainText().startsWith(targets[0]));
    EXPECT_TRUE(browser_.toPlainText().contains(QStringLiteral("June 1, 1996")));
}

TEST_F(HelpPagesTest, OptedPageHasItsSampleLetterAndAMailLink)
{
    Show("OPTED");
    EXPECT_EQ(browser_.toPlainText().count(QChar(0x00FC)), 1);
    const QStringList targets = test::LinkTargets(browser_);
    ASSERT_EQ(targets.size(), 1);
    EXPECT_TRUE(targets[0].startsWith(QStringLiteral("mailto:")));
}

TEST_F(HelpPagesTest, GplPageShowsThePublishedLicenceText)
{
    QFile published(QStringLiteral("/usr/share/common-licenses/GPL-2"));
    if (!published.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "the published licence text is not installed here";
    QString expected = QString::fromLatin1(published.readAll());
    ASSERT_TRUE(expected.endsWith(u'\n'));
    expected.chop(1); // a text document has no line end after its last line

    Show("GPL");
    const QString shown = browser_.toPlainText();
    EXPECT_EQ(shown.size(), expected.size());
    const QStringList shownLines = shown.split(u'\n');
    const QStringList expectedLines = expected.split(u'\n');
    ASSERT_EQ(shownLines.size(), expectedLines.size());
    for (qsizetype i = 0; i < shownLines.size(); ++i)
        ASSERT_EQ(shownLines[i], expectedLines[i]) << "line " << i + 1;
    EXPECT_TRUE(test::LinkTargets(browser_).isEmpty());
}

} // namespace
} // namespace quillby
