// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The page viewer over a store of pages: addresses, links, history and what it may read.
#include "ui/help/ResourceBrowser.h"
#include "data/MemoryResourceStore.h"
#include "tests/ui/help/HelpTestSupport.h"
#include "ui/help/HelpPageUrl.h"

#include <QScrollBar>
#include <QTemporaryFile>
#include <QTest>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

namespace quillby::resource_browser {
namespace {

using test::Bytes;
using test::ClickLink;

const QString kPath = QStringLiteral("/opt/help test/quillby");

QString Page(const QString &title, const QString &body)
{
    return QStringLiteral(
               "<HTML>\r\n<HEAD><TITLE>%1</TITLE></HEAD>\r\n<BODY>%2</BODY>\r\n</HTML>\r\n")
        .arg(title, body);
}

class ResourceBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Put("QUILLBY", Page(QStringLiteral("Home"),
                            QStringLiteral("<P><A HREF=\"moby\">to moby</A> "
                                           "<A HREF=\"Opted\">to opted</A> "
                                           "<A HREF=\"https://example.org/a b\">web</A> "
                                           "<A HREF=\"mailto:someone@example.org\">mail</A> "
                                           "<A HREF=\"nothere\">missing</A> "
                                           "<A HREF=\"file:///etc/hostname\">local file</A> "
                                           "<A HREF=\"../RCDATA/LIST\">other type</A></P>")));
        Put("MOBY", Page(QStringLiteral("Moby"), QStringLiteral("<P>moby page</P>")));
        Put("OPTED", Page(QStringLiteral("Opted"), QStringLiteral("<P>opted page</P>")));
        store_.Put(kRcData, "LIST", Bytes("<HTML><HEAD><TITLE>List</TITLE></HEAD></HTML>"));
        browser_.setLinkOpener([this](const QUrl &url) {
            opened_.append(url);
            return true;
        });
        browser_.resize(400, 200);
        browser_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser_));
    }

    void Put(const char *name, const QString &text)
    {
        store_.Put(kHtml, name, Bytes(text.toStdString()));
    }
    void GoHome() { browser_.Navigate(HelpPageUrl(kPath, QStringLiteral("QUILLBY"))); }

    MemoryResourceStore store_;
    ResourceBrowser browser_{store_, kPath};
    QList<QUrl> opened_;
};

TEST_F(ResourceBrowserTest, FollowsRelativeLinksToPagesNamedInAnyCase)
{
    struct Case {
        const char *link;
        const char *title;
        const char *address;
    };
    const Case cases[] = {
        {"to moby", "Moby", "/HTML/moby"},
        {"to opted", "Opted", "/HTML/Opted"},
    };
    for (const Case &c : cases) {
        GoHome();
        ASSERT_TRUE(ClickLink(browser_, QString::fromLatin1(c.link))) << c.link;
        EXPECT_EQ(browser_.LocationName(), QString::fromLatin1(c.title));
        EXPECT_EQ(browser_.LocationURL(),
                  QStringLiteral("res://") + kPath + QLatin1String(c.address));
    }
    browser_.Navigate(HelpPageUrl(kPath, QStringLiteral("mOBy")));
    EXPECT_EQ(browser_.LocationName(), QStringLiteral("Moby"));
    EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(ResourceBrowserTest, HandsWebAndMailLinksToTheOpenerAndStaysOnThePage)
{
    GoHome();
    ASSERT_TRUE(ClickLink(browser_, QStringLiteral("web")));
    ASSERT_TRUE(ClickLink(browser_, QStringLiteral("mail")));
    ASSERT_EQ(opened_.size(), 2);
    EXPECT_EQ(opened_[0].scheme(), QStringLiteral("https"));
    EXPECT_EQ(opened_[0].host(), QStringLiteral("example.org"));
    EXPECT_EQ(opened_[0].path(), QStringLiteral("/a b"));
    EXPECT_EQ(opened_[1], QUrl(QStringLiteral("mailto:someone@example.org")));
    EXPECT_EQ(browser_.LocationName(), QStringLiteral("Home"));
    EXPECT_EQ(browser_.HistoryLength(), 1);
}

TEST_F(ResourceBrowserTest, ShowsPageNotFoundForAddressesThatAreNoPage)
{
    // A missing name, a local file and a resource of another type: none is read, none opened.
    for (const char *link : {"missing", "local file", "other type"}) {
        GoHome();
        ASSERT_TRUE(ClickLink(browser_, QString::fromLatin1(link))) << link;
        EXPECT_EQ(browser_.LocationName(), QStringLiteral("Page not found")) << link;
        EXPECT_FALSE(browser_.toPlainText().contains(QStringLiteral("List"))) << link;
        EXPECT_TRUE(browser_.GoBack());
        EXPECT_EQ(browser_.LocationName(), QStringLiteral("Home")) << link;
    }
    EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(ResourceBrowserTest, GoesBackThroughThePagesVisited)
{
    EXPECT_FALSE(browser_.GoBack()); // nothing shown yet
    GoHome();
    EXPECT_FALSE(browser_.GoBack()); // no earlier page: the page stays
    EXPECT_EQ(browser_.LocationName(), QStringLiteral("Home"));

    ASSERT_TRUE(ClickLink(browser_, QStringLiteral("to opted")));
    GoHome();
    ASSERT_TRUE(ClickLink(browser_, QStringLiteral("to moby")));
    EXPECT_EQ(browser_.HistoryLength(), 4);
    const char *expected[] = {"Home", "Opted", "Home"};
    for (const char *title : expected) {
        EXPECT_TRUE(browser_.GoBack());
        EXPECT_EQ(browser_.LocationName(), QString::fromLatin1(title));
    }
    EXPECT_FALSE(browser_.GoBack());
    EXPECT_EQ(browser_.HistoryLength(), 1);
}

TEST_F(ResourceBrowserTest, AltLeftGoesBack)
{
    GoHome();
    ASSERT_TRUE(ClickLink(browser_, QStringLiteral("to moby")));
    QTest::keyClick(&browser_, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser_.LocationName(), QStringLiteral("Home"));
}

TEST_F(ResourceBrowserTest, BackReturnsToWhereThePageWasScrolled)
{
    QString lines;
    for (int i = 0; i < 200; ++i)
        lines += QStringLiteral("<P>line %1</P>\r\n").arg(i);
    Put("LONG", Page(QStringLiteral("Long"), lines + QStringLiteral("<A HREF=\"moby\">end</A>")));
    browser_.Navigate(HelpPageUrl(kPath, QStringLiteral("LONG")));
    const QPoint end = test::LinkPoint(browser_, QStringLiteral("end")); // scrolls down to it
    const int scrolled = browser_.verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    QTest::mouseClick(browser_.viewport(), Qt::LeftButton, Qt::NoModifier, end);
    ASSERT_EQ(browser_.LocationName(), QStringLiteral("Moby"));
    ASSERT_TRUE(browser_.GoBack());
    EXPECT_EQ(browser_.LocationName(), QStringLiteral("Long"));
    EXPECT_EQ(browser_.verticalScrollBar()->value(), scrolled);
}

TEST_F(ResourceBrowserTest, ShowsPageBytesAsWesternWindowsText)
{
    store_.Put(kHtml, "BYTES",
               {'<', 'P', '>', 0x93, 'g', 'r', 0xFC, 0xDF, 0x94, ' ', 0x80, '<', '/', 'P', '>',
                '\r', '\n'});
    browser_.Navigate(HelpPageUrl(kPath, QStringLiteral("bytes")));
    EXPECT_EQ(browser_.toPlainText(), QString::fromUtf16(u"\u201Cgr\u00FC\u00DF\u201D \u20AC"));
}

TEST_F(ResourceBrowserTest, OfflineReadsNothingButTheProgramsPages)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write("local bytes");
    file.flush();
    const QUrl local = QUrl::fromLocalFile(file.fileName());
    GoHome();

    browser_.setOffline(true);
    EXPECT_FALSE(browser_.loadResource(QTextDocument::ImageResource, local).isValid());
    EXPECT_FALSE(
        browser_.loadResource(QTextDocument::HtmlResource, QUrl(QStringLiteral("../RCDATA/LIST")))
            .isValid());
    const QVariant page =
        browser_.loadResource(QTextDocument::HtmlResource, QUrl(QStringLiteral("MOBY")));
    EXPECT_TRUE(page.toString().contains(QStringLiteral("moby page")));

    browser_.setOffline(false);
    EXPECT_EQ(browser_.loadResource(QTextDocument::ImageResource, local).toByteArray(),
              QByteArray("local bytes"));
}

} // namespace
} // namespace quillby::resource_browser
