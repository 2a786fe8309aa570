// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The searches and Definitions through the real window over the program's own lists.

#include "resources/QtResourceStore.h"
#include "tests/support/DrivenWindow.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace quillby::testing {
namespace {

// Loading every list takes a while: the tests share one window.
class EmbeddedLists : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static const QtResourceStore store;
        window_ = new DrivenWindow(store);
    }
    static void TearDownTestSuite()
    {
        delete window_;
        window_ = nullptr;
    }
    DrivenWindow &window() { return *window_; }

private:
    static DrivenWindow *window_;
};

DrivenWindow *EmbeddedLists::window_ = nullptr;

TEST_F(EmbeddedLists, EveryMobyWordBeginningWithA)
{
    window().Type(QStringLiteral("a"));
    window().Moby();
    const QStringList items = window().Items();
    ASSERT_EQ(items.size(), 23801);
    EXPECT_EQ(items.front(), QStringLiteral("a"));
    EXPECT_EQ(window().SelectedRow(), 0);
    for (const QString &item : items)
        ASSERT_TRUE(item.startsWith(QLatin1Char('a'))) << item.toStdString();
}

TEST_F(EmbeddedLists, SoundSearchFindsRhythmInListOrder)
{
    window().Type(QStringLiteral("rythm"));
    window().Moby();
    const QStringList items = window().Items();
    EXPECT_TRUE(items.contains(QStringLiteral("rhythm")));
    QStringList sorted = items;
    sorted.sort();
    EXPECT_EQ(items, sorted) << "the Moby list is in byte order and results keep it";
    EXPECT_EQ(window().SelectedRow(), 0);

    window().Type(QStringLiteral("Rhythm"));
    window().Moby();
    ASSERT_GE(window().SelectedRow(), 0);
    EXPECT_EQ(window().Items().at(window().SelectedRow()), QStringLiteral("rhythm"));
    EXPECT_EQ(window().WordBox(), QStringLiteral("Rhythm"));
}

TEST_F(EmbeddedLists, DefinitionsCopiesTheWholeEntry)
{
    window().Type(QStringLiteral("Azymic"));
    window().Webster();
    {
        ModalBoxCloser boxes;
        window().Click("btDefine");
        ASSERT_EQ(boxes.boxes().size(), 1u);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Azymic  (a.)\r\nAzymous."));

    // The second sense of "Abed" quotes a phrase inside its definition.
    window().Type(QStringLiteral("Abed"));
    window().Webster();
    ASSERT_EQ(window().Items().mid(0, 2), (QStringList{"Abed", "Abed"}));
    window().cbValues()->setFocus();
    QTest::keyClick(window().cbValues(), Qt::Key_Down);
    {
        ModalBoxCloser boxes;
        window().Click("btDefine");
        ASSERT_EQ(boxes.boxes().size(), 1u);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Abed  (adv.)\r\nTo childbed (in the phrase \"brought abed,\" that "
                             "is, delivered of a child)."));
}

} // namespace
} // namespace quillby::testing
