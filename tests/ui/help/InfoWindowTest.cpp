// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The information window, opened the way the user opens it: Alt+H on the main window.
#include "app/ActionForm.h"
#include "tests/ui/help/HelpTestSupport.h"
#include "ui/help/HelpPageUrl.h"
#include "ui/help/Info_p.h"
#include "ui/help/ResourceBrowser.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace quillby {
namespace {

const QString kHomeTitle = QStringLiteral("Quillby Dictionary Utility");
const QString kMobyTitle = QStringLiteral("Moby Project Declairation");
const QString kOptedTitle = QStringLiteral("The Online Plain Text English Dictionary");
const QString kCaption = QStringLiteral("Program Information and Credits");

ResourceBrowser &Browser(const TfrmInfo &info)
{
    return *TfrmInfoInspector(info).wbPages();
}

class InfoWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_.show();
        form_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    }

    // Presses Alt+H on the main window and runs `act` on the modal window it opens, then
    // closes that window. False when no information window came up.
    bool WithHelpWindow(const std::function<void(TfrmInfo &)> &act)
    {
        bool found = false;
        // The button presses itself a moment after its accelerator key, so the window opens
        // from the event loop: watch for it there.
        QTimer watch;
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *info = qobject_cast<TfrmInfo *>(QApplication::activeModalWidget());
            if (!info)
                return;
            watch.stop();
            found = true;
            opened_ = info;
            browserOpened_ = TfrmInfoInspector(*info).wbPages();
            TfrmInfoInspector(*info).wbPages()->setLinkOpener([this](const QUrl &url) {
                outside_.append(url);
                return true;
            });
            if (QTest::qWaitForWindowExposed(info))
                act(*info);
            info->close();
        });
        watch.start();
        form_.activateWindow();
        if (!QTest::qWaitForWindowActive(&form_))
            return false;
        QTest::keyClick(&form_, Qt::Key_H, Qt::AltModifier);
        const bool closed =
            QTest::qWaitFor([&] { return found && !QApplication::activeModalWidget(); }, 5000);
        watch.stop();
        return found && closed;
    }

    MemoryResourceStore store_ = test::StoreWithHelpPages();
    TfrmAction form_{store_};
    QPointer<TfrmInfo> opened_;
    QPointer<ResourceBrowser> browserOpened_;
    QList<QUrl> outside_;
};

TEST_F(InfoWindowTest, OpensModallyOnTheHomePageAndIsFreedWhenClosed)
{
    const bool opened = WithHelpWindow([&](TfrmInfo &info) {
        EXPECT_TRUE(info.isModal());
        EXPECT_FALSE(form_.isEnabled() && QApplication::activeModalWidget() != &info);
        EXPECT_EQ(info.windowTitle(), kCaption);
        EXPECT_EQ(Browser(info).LocationName(), kHomeTitle);
        EXPECT_EQ(Browser(info).LocationURL(),
                  HelpPageUrl(QCoreApplication::applicationFilePath(), QStringLiteral("QUILLBY")));
        EXPECT_TRUE(Browser(info).Offline());
        EXPECT_EQ(Browser(info).HistoryLength(), 1);
        EXPECT_TRUE(TfrmInfoInspector(info).sbStatus()->currentMessage().isEmpty());
        // It belongs to the main window on screen: no taskbar button of its own, kept above it.
        ASSERT_NE(info.windowHandle(), nullptr);
        EXPECT_EQ(info.windowHandle()->transientParent(), form_.windowHandle());
    });
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened_.isNull());
    EXPECT_TRUE(browserOpened_.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(InfoWindowTest, LinksLeadToTheWordSourcePagesAndBackReturnsHome)
{
    const std::pair<const char *, QString> cases[] = {
        {"public domain.", kMobyTitle},
        {"Opted", kOptedTitle},
    };
    ASSERT_TRUE(WithHelpWindow([&](TfrmInfo &info) {
        ResourceBrowser &browser = Browser(info);
        for (const auto &[link, title] : cases) {
            ASSERT_TRUE(test::ClickLink(browser, QString::fromLatin1(link))) << link;
            EXPECT_EQ(browser.LocationName(), title) << link;
            EXPECT_EQ(info.windowTitle(), kCaption) << link;
            QTest::mouseClick(TfrmInfoInspector(info).tbtnBack(), Qt::LeftButton);
            EXPECT_EQ(browser.LocationName(), kHomeTitle) << link;
        }
        EXPECT_TRUE(outside_.isEmpty());
    }));
}

TEST_F(InfoWindowTest, HomeAddsAHistoryEntry)
{
    ASSERT_TRUE(WithHelpWindow([&](TfrmInfo &info) {
        ResourceBrowser &browser = Browser(info);
        ASSERT_TRUE(test::ClickLink(browser, QStringLiteral("Opted")));
        QTest::mouseClick(TfrmInfoInspector(info).tbtnHome(), Qt::LeftButton);
        EXPECT_EQ(browser.LocationName(), kHomeTitle);
        QTest::mouseClick(TfrmInfoInspector(info).tbtnBack(), Qt::LeftButton);
        EXPECT_EQ(browser.LocationName(), kOptedTitle);
        QTest::mouseClick(TfrmInfoInspector(info).tbtnBack(), Qt::LeftButton);
        EXPECT_EQ(browser.LocationName(), kHomeTitle);
        // No earlier page: Back leaves the home page in place and the window open.
        QTest::mouseClick(TfrmInfoInspector(info).tbtnBack(), Qt::LeftButton);
        EXPECT_EQ(browser.LocationName(), kHomeTitle);
        EXPECT_TRUE(info.isVisible());
    }));
}

TEST_F(InfoWindowTest, KeyboardReachesHomeAndBack)
{
    ASSERT_TRUE(WithHelpWindow([&](TfrmInfo &info) {
        ResourceBrowser &browser = Browser(info);
        ASSERT_TRUE(test::ClickLink(browser, QStringLiteral("public domain.")));
        // Tool buttons press themselves a moment after their key.
        QTest::keyClick(&info, Qt::Key_Home, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return browser.LocationName() == kHomeTitle; }));
        QTest::keyClick(&info, Qt::Key_Left, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return browser.LocationName() == kMobyTitle; }));
        EXPECT_EQ(browser.HistoryLength(), 2);
    }));
}

TEST_F(InfoWindowTest, ANewOpeningStartsAtHomeWithAnEmptyHistory)
{
    ASSERT_TRUE(WithHelpWindow([&](TfrmInfo &info) {
        ASSERT_TRUE(test::ClickLink(Browser(info), QStringLiteral("Opted")));
        ASSERT_TRUE(test::ClickLink(Browser(info), QStringLiteral("public domain.")) ||
                    Browser(info).LocationName() == kOptedTitle);
    }));
    ASSERT_TRUE(WithHelpWindow([&](TfrmInfo &info) {
        EXPECT_EQ(Browser(info).LocationName(), kHomeTitle);
        EXPECT_EQ(Browser(info).HistoryLength(), 1);
        QTest::mouseClick(TfrmInfoInspector(info).tbtnBack(), Qt::LeftButton);
        EXPECT_EQ(Browser(info).LocationName(), kHomeTitle);
    }));
}

TEST_F(InfoWindowTest, OutsideLinksGoToTheDesktopAndThePageStays)
{
    ASSERT_TRUE(WithHelpWindow([&](TfrmInfo &info) {
        ASSERT_TRUE(test::ClickLink(Browser(info), QStringLiteral("Dictionary.com")));
        EXPECT_EQ(Browser(info).LocationName(), kHomeTitle);
        EXPECT_EQ(Browser(info).HistoryLength(), 1);
    }));
    ASSERT_EQ(outside_.size(), 1);
    EXPECT_EQ(outside_[0], QUrl(QStringLiteral("https://www.dictionary.com/")));
}

TEST(InfoWindow, HasTheLayoutOfItsDesign)
{
    const MemoryResourceStore store = test::StoreWithHelpPages();
    TfrmInfo info(store, QStringLiteral("/opt/Quillby Tools/quillby"));
    const TfrmInfoInspector inside(info);
    EXPECT_EQ(info.size(), QSize(532, 373));
    EXPECT_EQ(info.pos(), QPoint(394, 173));
    EXPECT_EQ(inside.tbrPages()->height(), 29);
    EXPECT_EQ(inside.sbStatus()->height(), 19);
    EXPECT_TRUE(inside.tbtnHome()->toolTip().isEmpty());
    EXPECT_TRUE(inside.tbtnBack()->toolTip().isEmpty());
    EXPECT_EQ(inside.tbtnHome()->accessibleName(), QStringLiteral("Home"));
    EXPECT_EQ(inside.tbtnBack()->accessibleName(), QStringLiteral("Back"));
    for (const QIcon &image : inside.imgToolButtons())
        EXPECT_EQ(image.pixmap(16, 16).size(), QSize(16, 16));
    EXPECT_EQ(inside.HomeUrl(), QStringLiteral("res:///opt/Quillby Tools/quillby/HTML/QUILLBY"));

    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    // A program path with spaces: the home address keeps them as they are, and the pages load.
    EXPECT_EQ(Browser(info).LocationURL(),
              QStringLiteral("res:///opt/Quillby Tools/quillby/HTML/QUILLBY"));
    EXPECT_EQ(Browser(info).LocationName(), kHomeTitle);
    ASSERT_TRUE(test::ClickLink(Browser(info), QStringLiteral("public domain.")));
    EXPECT_EQ(Browser(info).LocationURL(),
              QStringLiteral("res:///opt/Quillby Tools/quillby/HTML/moby"));
    EXPECT_EQ(Browser(info).LocationName(), kMobyTitle);
    const int browserHeight = Browser(info).height();
    info.resize(700, 500);
    QApplication::processEvents();
    EXPECT_EQ(Browser(info).height(), browserHeight + 127);
    EXPECT_EQ(Browser(info).width(), 700);
}

// Long preformatted lines (the notices on the home page, the licence) wrap at the viewer's edge:
// no page needs a sideways scroll bar, at the window's first size or narrower.
TEST(InfoWindow, NoPageNeedsASidewaysScrollBar)
{
    const MemoryResourceStore store = test::StoreWithHelpPages();
    TfrmInfo info(store, QStringLiteral("/opt/quillby"));
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    for (const int width : {info.width(), 360}) {
        info.resize(width, info.height());
        for (const char *page : {"QUILLBY", "MOBY", "OPTED", "GPL"}) {
            Browser(info).Navigate(QStringLiteral("res:///opt/quillby/HTML/") +
                                   QLatin1String(page));
            QApplication::processEvents();
            EXPECT_EQ(Browser(info).horizontalScrollBar()->maximum(), 0) << page << " at " << width;
            EXPECT_FALSE(Browser(info).horizontalScrollBar()->isVisible())
                << page << " at " << width;
        }
    }
}

// Assistive tools find every part of the window by a name of its own: the tool bar, its buttons
// and the space between them, the page viewer and the status bar.
TEST(InfoWindow, AssistiveToolsFindEveryPartByName)
{
    const MemoryResourceStore store = test::StoreWithHelpPages();
    TfrmInfo info(store, QStringLiteral("/opt/quillby"));
    info.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&info);
    ASSERT_NE(window, nullptr);
    QStringList names;
    const auto check = [&names](QAccessibleInterface *part) {
        if (part->state().invisible)
            return;
        const QString name = part->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << part->object()->metaObject()->className();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names << name;
    };
    QAccessibleInterface *toolBar = nullptr;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *part = window->child(i);
        check(part);
        if (part->role() == QAccessible::ToolBar)
            toolBar = part;
    }
    ASSERT_NE(toolBar, nullptr);
    for (int i = 0; i < toolBar->childCount(); ++i)
        check(toolBar->child(i));
    EXPECT_EQ(names.size(), 6) << names.join(u',').toStdString();
}

} // namespace
} // namespace quillby
