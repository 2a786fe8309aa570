// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The suggestion list's menu on the real window: "Best guesses first" by mouse and keyboard,
// what it changes in both searches, and that every start is without it.

#include "lookup/WordPriors.h"
#include "tests/support/DrivenWindow.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace quillby::testing {
namespace {

const std::vector<std::string> kMoby = {"radon", "rhythm", "rhythms", "ruddy", "the", "then"};

const std::map<char, std::vector<std::string>> kWebster = {
    {'B',
     {R"("Base","a.","Low.")", R"("Bass","n.","A fish.")", R"("Bassa","n.","A place.")",
      R"("Bass","n.","A deep voice.")"}},
};

MemoryResourceStore Store()
{
    MemoryResourceStore store = SmallStore(kMoby, kWebster);
    store.Put(kRcData, ResourceKey(kWordPriorsName),
              RawDeflate("rhythm\t20\t900\tcm\nthe\t5000\t1\tc\n"));
    return store;
}

// Opens the suggestion list's menu with `open` and hands it to `use` once it shows; returns
// whether it showed.
bool WithMenu(const std::function<void()> &open, const std::function<void(QMenu &)> &use)
{
    bool shown = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            poll.stop();
            shown = true;
            use(*menu);
        }
    });
    poll.start();
    QTimer::singleShot(3000, &poll, [&poll] {
        poll.stop();
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    open();
    QTest::qWait(20);
    return shown;
}

QAction *BestGuesses(QMenu &menu)
{
    for (QAction *action : menu.actions()) {
        if (action->text().remove(QLatin1Char('&')) == QStringLiteral("Best guesses first"))
            return action;
    }
    return nullptr;
}

// A right click as the window system delivers it, which is what opens a context menu.
void RightClick(DrivenWindow &window)
{
    QWidget *viewport = window.cbValues()->viewport();
    QWidget *top = viewport->window();
    const QPoint at = viewport->mapTo(top, viewport->rect().center());
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
}

void PressKey(DrivenWindow &window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    window.cbValues()->setFocus();
    QTest::keyClick(window.cbValues(), key, modifiers);
}

const QStringList kSoundOrder = {"radon", "rhythm"};

TEST(BestGuessesMenu, MouseTurnsItOnAndTheListIsOrderedAtOnce)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("rythm"));
    window.Moby();
    ASSERT_EQ(window.Items(), kSoundOrder) << "off at start: list order";

    bool wasChecked = true;
    ASSERT_TRUE(WithMenu([&] { RightClick(window); },
                         [&](QMenu &menu) {
                             QAction *action = BestGuesses(menu);
                             ASSERT_NE(action, nullptr);
                             wasChecked = action->isChecked();
                             QTest::mouseClick(&menu, Qt::LeftButton, Qt::NoModifier,
                                               menu.actionGeometry(action).center());
                         }));
    EXPECT_FALSE(wasChecked);
    EXPECT_TRUE(window.form().BestGuessesFirst());
    const QStringList best = window.Items();
    ASSERT_FALSE(best.isEmpty());
    EXPECT_EQ(best.front(), QStringLiteral("rhythm"));
    EXPECT_TRUE(best.contains(QStringLiteral("radon"))) << "nothing the search lists is dropped";
    EXPECT_TRUE(best.contains(QStringLiteral("rhythms"))) << "a close word added";
    EXPECT_EQ(window.SelectedRow(), 0);
    EXPECT_EQ(window.WordBox(), QStringLiteral("rythm"));

    window.Type(QStringLiteral("teh"));
    window.Moby();
    ASSERT_FALSE(window.Items().isEmpty());
    EXPECT_EQ(window.Items().front(), QStringLiteral("the"));
    window.Type(QStringLiteral("Rhythms"));
    window.Moby();
    EXPECT_EQ(window.Items().front(), QStringLiteral("rhythms")) << "the typed word first";
    EXPECT_EQ(window.SelectedRow(), 0);
}

TEST(BestGuessesMenu, KeyboardOpensItAndTurnsItOff)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("rythm"));
    window.Moby();
    for (Qt::Key key : {Qt::Key_Menu, Qt::Key_F10}) {
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier;
        // Escape closes the menu and changes nothing.
        EXPECT_TRUE(WithMenu([&] { PressKey(window, key, modifiers); },
                             [](QMenu &menu) { QTest::keyClick(&menu, Qt::Key_Escape); }));
        EXPECT_FALSE(window.form().BestGuessesFirst());
        EXPECT_EQ(window.Items(), kSoundOrder);
        // Down and Enter turn it on, and then off again.
        for (bool on : {true, false}) {
            EXPECT_TRUE(WithMenu([&] { PressKey(window, key, modifiers); },
                                 [](QMenu &menu) {
                                     QTest::keyClick(&menu, Qt::Key_Down);
                                     QTest::keyClick(&menu, Qt::Key_Return);
                                 }));
            EXPECT_EQ(window.form().BestGuessesFirst(), on);
            EXPECT_EQ(window.Items().front(), on ? "rhythm" : "radon");
        }
    }
}

TEST(BestGuessesMenu, WebsterSensesStayTogetherEachWithItsDefinition)
{
    DrivenWindow window(Store());
    window.form().bestGuessesAction()->setChecked(true);
    window.Type(QStringLiteral("bass"));
    window.Webster();
    const QStringList items = window.Items();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items.mid(0, 2), (QStringList{"Bass", "Bass"}));
    EXPECT_EQ(window.SelectedRow(), 0) << "the typed word, selected as before";

    ModalBoxCloser boxes;
    window.Click("btDefine");
    window.cbValues()->setFocus();
    QTest::keyClick(window.cbValues(), Qt::Key_Down);
    window.Click("btDefine");
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_TRUE(boxes.boxes()[0].text.endsWith(QStringLiteral("A fish.")));
    EXPECT_TRUE(boxes.boxes()[1].text.endsWith(QStringLiteral("A deep voice.")));
}

TEST(BestGuessesMenu, EveryStartIsWithoutIt)
{
    {
        DrivenWindow window(Store());
        window.form().bestGuessesAction()->setChecked(true);
        window.Type(QStringLiteral("rythm"));
        window.Moby();
        ASSERT_EQ(window.Items().front(), QStringLiteral("rhythm"));
    }
    DrivenWindow again(Store());
    EXPECT_FALSE(again.form().BestGuessesFirst());
    again.Type(QStringLiteral("rythm"));
    again.Moby();
    EXPECT_EQ(again.Items(), kSoundOrder);
}

} // namespace
} // namespace quillby::testing
