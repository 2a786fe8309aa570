// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The suggestion list's menu on the real window: "Best guesses first" by mouse and keyboard,
// what it changes in both searches, and that every start is without it.

#include "lookup/WordPriors.h"
#include "tests/support/DrivenWindow.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace quillby::testing {
namespace {

const std::vector<std::string> kMoby = {"friend", "radon", "rhythm", "rhythms",
                                        "ruddy",  "the",   "then"};

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

// Opens the suggestion list's menu with `open` and hands each menu that shows to `use`, which
// closes it; returns how many showed.
int WithMenus(const std::function<void()> &open, const std::function<void(QMenu &)> &use)
{
    int shown = 0;
    QMenu *current = nullptr;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu && menu != current) {
            ++shown;
            use(*menu);
        }
        current = menu;
    });
    poll.start();
    QTimer::singleShot(3000, &poll, [&poll] {
        poll.stop();
        while (QWidget *popup = QApplication::activePopupWidget())
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

// The Menu key in the list as the X11 and Wayland platforms deliver it: a context-menu event
// for the keyboard first, then the key press itself, which arrives while the menu is open.
void PressMenuKey(DrivenWindow &window)
{
    window.cbValues()->setFocus();
    QWindow *handle = window.form().windowHandle();
    QTimer::singleShot(0, handle, [handle] { QTest::keyClick(handle, Qt::Key_Menu); });
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
    QCoreApplication::sendEvent(handle, &request);
}

void PressShiftF10(DrivenWindow &window)
{
    window.cbValues()->setFocus();
    QTest::keyClick(window.form().windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
}

const QStringList kSoundOrder = {"radon", "rhythm"};

TEST(BestGuessesMenu, MouseTurnsItOnAndTheListIsOrderedAtOnce)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("rythm"));
    window.Moby();
    ASSERT_EQ(window.Items(), kSoundOrder) << "off at start: list order";

    bool wasChecked = true;
    ASSERT_EQ(WithMenus([&] { RightClick(window); },
                        [&](QMenu &menu) {
                            QAction *action = BestGuesses(menu);
                            ASSERT_NE(action, nullptr);
                            wasChecked = action->isChecked();
                            QTest::mouseClick(&menu, Qt::LeftButton, Qt::NoModifier,
                                              menu.actionGeometry(action).center());
                        }),
              1);
    EXPECT_FALSE(wasChecked);
    EXPECT_TRUE(window.inspect().BestGuessesFirst());
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
    EXPECT_EQ(window.Items().front(), QStringLiteral("Rhythms"))
        << "the typed word first, as typed";
    EXPECT_EQ(window.SelectedRow(), 0);
}

TEST(BestGuessesMenu, KeyboardOpensOneMenuWithItsItemHighlighted)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("rythm"));
    window.Moby();
    const std::pair<const char *, std::function<void()>> keys[] = {
        {"Menu", [&] { PressMenuKey(window); }},
        {"Shift+F10", [&] { PressShiftF10(window); }},
    };
    for (const auto &[name, press] : keys) {
        // Escape closes the menu and changes nothing.
        bool highlighted = false;
        EXPECT_EQ(WithMenus(press,
                            [&](QMenu &menu) {
                                highlighted =
                                    menu.activeAction() && menu.activeAction() == BestGuesses(menu);
                                QTest::keyClick(&menu, Qt::Key_Escape);
                            }),
                  1)
            << name;
        EXPECT_TRUE(highlighted) << name;
        EXPECT_FALSE(window.inspect().BestGuessesFirst()) << name;
        EXPECT_EQ(window.Items(), kSoundOrder) << name;
        // Return alone turns it on, and then off again.
        for (bool on : {true, false}) {
            EXPECT_EQ(WithMenus(press, [](QMenu &menu) { QTest::keyClick(&menu, Qt::Key_Return); }),
                      1)
                << name;
            EXPECT_EQ(window.inspect().BestGuessesFirst(), on) << name;
            EXPECT_EQ(window.Items().front(), on ? "rhythm" : "radon") << name;
        }
    }
}

TEST(BestGuessesMenu, WebsterSensesStayTogetherEachWithItsDefinition)
{
    DrivenWindow window(Store());
    window.inspect().bestGuessesAction()->setChecked(true);
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

TEST(BestGuessesMenu, CopyTakesTheHighlightedGuessUntilTheWordBoxChanges)
{
    DrivenWindow window(Store());
    const auto copy = [&window] {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        window.AltKey(Qt::Key_C, "btCopy");
        return QGuiApplication::clipboard()->text();
    };
    window.Type(QStringLiteral("freind"));
    window.Moby();
    ASSERT_EQ(window.Items(), QStringList{"friend"});
    ASSERT_EQ(window.SelectedRow(), 0);
    EXPECT_EQ(copy(), QStringLiteral("freind")) << "in list order Copy takes the word box";

    window.inspect().bestGuessesAction()->setChecked(true);
    ASSERT_EQ(window.SelectedRow(), 0);
    EXPECT_EQ(copy(), QStringLiteral("friend")) << "the highlighted guess";
    window.Type(QStringLiteral("rythm"));
    window.Moby();
    ASSERT_EQ(window.Items().front(), QStringLiteral("rhythm"));
    EXPECT_EQ(copy(), QStringLiteral("rhythm"));
    window.cbValues()->setFocus();
    QTest::keyClick(window.cbValues(), Qt::Key_Down);
    const QString picked = window.Items().at(1);
    EXPECT_EQ(copy(), picked) << "a pick fills the word box, and Copy takes it";

    // The word box changed after the search: Copy takes it, also after a search that had
    // nothing to search and left the list as it was.
    window.Type(QStringLiteral("rythms"));
    EXPECT_EQ(copy(), QStringLiteral("rythms"));
    window.Type(QString());
    window.Webster();
    ASSERT_FALSE(window.Items().isEmpty());
    EXPECT_EQ(copy(), QString());

    window.inspect().bestGuessesAction()->setChecked(false);
    window.Type(QStringLiteral("freind"));
    window.Moby();
    EXPECT_EQ(copy(), QStringLiteral("freind")) << "list order again";
}

// The list's tip tells of its menu and the keys that open it, over the list and its items.
TEST(BestGuessesMenu, TheListsTipNamesItsMenu)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("rythm"));
    window.Moby();
    QWidget *viewport = window.cbValues()->viewport();
    const QModelIndex first = window.cbValues()->model()->index(0, 0);
    for (const QPoint at :
         {window.cbValues()->visualRect(first).center(), viewport->rect().bottomRight()}) {
        QToolTip::hideText();
        QHelpEvent tip(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &tip);
        ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
        const QString text = QToolTip::text();
        for (const char *part : {"Right-click", "Menu key", "Shift+F10", "best guesses first"})
            EXPECT_TRUE(text.contains(QLatin1String(part), Qt::CaseInsensitive))
                << part << " in " << text.toStdString();
    }
    QToolTip::hideText();
}

TEST(BestGuessesMenu, EveryStartIsWithoutIt)
{
    {
        DrivenWindow window(Store());
        window.inspect().bestGuessesAction()->setChecked(true);
        window.Type(QStringLiteral("rythm"));
        window.Moby();
        ASSERT_EQ(window.Items().front(), QStringLiteral("rhythm"));
    }
    DrivenWindow again(Store());
    EXPECT_FALSE(again.inspect().BestGuessesFirst());
    again.Type(QStringLiteral("rythm"));
    again.Moby();
    EXPECT_EQ(again.Items(), kSoundOrder);
}

} // namespace
} // namespace quillby::testing
