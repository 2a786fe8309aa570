// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The Moby and Webster buttons driven through the real window over small lists.

#include "tests/support/DrivenWindow.h"

#include <QAccessible>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace quillby::testing::search_buttons {
namespace {

const std::vector<std::string> kMoby = {"&c",     "'tis",    "1st",   "a",       "abc",
                                        "abcess", "cat",     "cat's", "catalog", "hous",
                                        "house",  "housing", "radon", "rhythm",  "rhythms"};

const std::map<char, std::vector<std::string>> kWebster = {
    {'A',
     {R"("Abed","adv.","In bed, or on the bed.")", R"("-able","","A suffix.")",
      R"("Azymic","a.","Azymous.")", R"("Azymous","a.","Unleavened; unfermented.")"}},
    // A Mac Roman byte as the dictionary holds it, shown as the Windows-1252 character.
    {'C', {"\"Ca\x96on\",\"n.\",\"A deep gorge.\"", R"("Cat","n.","An animal.")"}},
};

MemoryResourceStore Store()
{
    return SmallStore(kMoby, kWebster);
}

struct SearchCase {
    const char *typed;
    QStringList expected;
    int selected;
};

class MobyButton : public ::testing::TestWithParam<SearchCase> {};

TEST_P(MobyButton, ListsAndSelects)
{
    DrivenWindow window(Store());
    const SearchCase &c = GetParam();
    window.Type(QString::fromUtf8(c.typed));
    window.Moby();
    EXPECT_EQ(window.Items(), c.expected);
    EXPECT_EQ(window.SelectedRow(), c.selected);
    EXPECT_EQ(window.WordBox(), QString::fromUtf8(c.typed)) << "selecting does not fill the box";
}

INSTANTIATE_TEST_SUITE_P(
    Typed, MobyButton,
    ::testing::Values(
        // Typed word in the list at index 0.
        SearchCase{"cat", {"cat", "cat's", "catalog"}, 0},
        // Sound code; the typed word is not in the list, so the first is selected.
        SearchCase{"rythm", {"radon", "rhythm"}, 0},
        // Found ignoring case at index 1.
        SearchCase{"Rhythm", {"radon", "rhythm"}, 1},
        // "%" forces a prefix search at five characters.
        SearchCase{"hous%", {"hous", "house", "housing"}, 0},
        SearchCase{"ab%c", {"abc", "abcess"}, 0},
        // Found ignoring case further down.
        SearchCase{"CATALOG", {"catalog"}, 0}, SearchCase{"cata", {"catalog"}, 0},
        SearchCase{"zz", {}, -1}, SearchCase{"", {}, -1}, SearchCase{"%", {}, -1}));

TEST(SearchButtons, EmptyBoxEmptiesWithMobyAndChangesNothingWithWebster)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("Azymic"));
    window.Webster();
    const QStringList before = window.Items();
    ASSERT_EQ(before, (QStringList{"Azymic", "Azymous"}));
    window.cbValues()->setFocus();
    QTest::keyClick(window.cbValues(), Qt::Key_Down);
    ASSERT_EQ(window.SelectedRow(), 1);

    window.Type(QString());
    window.Webster();
    EXPECT_EQ(window.Items(), before);
    EXPECT_EQ(window.SelectedRow(), 1);

    window.Moby();
    EXPECT_EQ(window.Items(), QStringList());
    EXPECT_EQ(window.SelectedRow(), -1);
}

TEST(SearchButtons, WebsterWithoutAListChangesNothing)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("cat"));
    window.Moby();
    const QStringList before = window.Items();
    for (const QString &typed : {QStringLiteral("\u00E9clair"), QStringLiteral("[x"),
                                 QStringLiteral("_under"), QStringLiteral("{x")}) {
        window.Type(typed);
        window.Webster();
        EXPECT_EQ(window.Items(), before) << typed.toStdString();
        EXPECT_EQ(window.SelectedRow(), 0) << typed.toStdString();
    }
}

TEST(SearchButtons, WebsterSearchesTheListsTheWindowHoldsWhileItHoldsThem)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("Azymic"));
    window.Webster();
    ASSERT_EQ(window.Items(), (QStringList{"Azymic", "Azymous"}));

    window.inspect().FreeWebsterLists();
    EXPECT_EQ(window.inspect().websterLists(), nullptr);
    EXPECT_EQ(window.Items(), QStringList()) << "the suggestions pointed into the freed lists";
    window.Type(QStringLiteral("cat"));
    window.Moby();
    const QStringList moby = window.Items();
    EXPECT_EQ(moby, (QStringList{"cat", "cat's", "catalog"})) << "the Word list stays";
    window.Type(QStringLiteral("Azymic"));
    window.Webster();
    EXPECT_EQ(window.Items(), moby) << "no Webster list: nothing changes";

    // Loaded again, they are searched again.
    window.inspect().LoadWebsterLists();
    ASSERT_NE(window.inspect().websterLists(), nullptr);
    EXPECT_EQ(window.inspect().websterLists()->size(), 26u);
    window.Webster();
    EXPECT_EQ(window.Items(), (QStringList{"Azymic", "Azymous"}));
}

TEST(SearchButtons, WebsterBelowASearchesTheAList)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("cat"));
    window.Moby();
    window.Type(QStringLiteral("1st"));
    window.Webster();
    EXPECT_EQ(window.Items(), QStringList()) << "the A list has no 1st: emptied";
    window.Type(QStringLiteral("-ab"));
    window.Webster();
    EXPECT_EQ(window.Items(), QStringList{"-able"});
}

TEST(SearchButtons, WebsterShowsCodePageCharactersAndFindsThemAgain)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("ca"));
    window.Webster();
    // 0x96 is the en dash in Windows-1252.
    ASSERT_EQ(window.Items(), (QStringList{QStringLiteral("Ca\u2013on"), "Cat"}));
    window.cbValues()->setFocus();
    QTest::keyClick(window.cbValues(), Qt::Key_Up);
    QTest::keyClick(window.cbValues(), Qt::Key_Down);
    QTest::keyClick(window.cbValues(), Qt::Key_Up);
    EXPECT_EQ(window.WordBox(), QStringLiteral("Ca\u2013on"));
    window.Webster();
    EXPECT_EQ(window.Items(), QStringList{QStringLiteral("Ca\u2013on")});
    EXPECT_EQ(window.SelectedRow(), 0);
}

TEST(SearchButtons, ButtonsAndAltKeysRunTheSameSearch)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("hous"));
    window.Click("btLookup");
    EXPECT_EQ(window.Items(), (QStringList{"hous", "house", "housing"}));
    window.Type(QStringLiteral("azy"));
    window.Click("btWebster");
    EXPECT_EQ(window.Items(), (QStringList{"Azymic", "Azymous"}));
    // Alt+M from the suggestion list, not only from the word box.
    window.cbValues()->setFocus();
    window.Moby();
    EXPECT_EQ(window.Items(), QStringList()) << "the Moby list has no word beginning with azy";
}

TEST(SearchButtons, MobyListMissingLeavesWebsterDoingNothing)
{
    MemoryResourceStore store = Store();
    store.Remove(kRcData, ResourceKey(kWordListName));
    ModalBoxCloser boxes;
    DrivenWindow window(std::move(store));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Resource mobyWordListCompressed not found."));

    window.Type(QStringLiteral("azy"));
    window.Webster();
    EXPECT_EQ(window.Items(), QStringList()) << "the Webster lists were never built";
    window.Type(QStringLiteral("cat"));
    window.Moby();
    EXPECT_EQ(window.Items(), QStringList()) << "the Moby search runs over the empty list";
    EXPECT_EQ(boxes.boxes().size(), 1u) << "neither search reports an error";
}

} // namespace
} // namespace quillby::testing::search_buttons

namespace quillby::testing::search_buttons {
namespace {

TEST(SearchButtons, AcceleratorsLeaveTheFocusInTheWordBox)
{
    DrivenWindow window(Store());
    window.Type("cat");
    window.Moby();
    EXPECT_EQ(QApplication::focusWidget(), window.txtNotes());
    QTest::keyClick(window.txtNotes(), Qt::Key_S);
    EXPECT_EQ(window.WordBox(), "cats") << "typing goes on where it was";
    window.Webster();
    EXPECT_EQ(QApplication::focusWidget(), window.txtNotes());
}

// What the window tells assistive tools: the object and item of each focus announcement.
std::vector<std::pair<QObject *, int>> &FocusAnnouncements()
{
    static std::vector<std::pair<QObject *, int>> announcements;
    return announcements;
}

void RecordFocusAnnouncement(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus)
        FocusAnnouncements().emplace_back(event->object(), event->child());
}

// Runs where assistive tools listen (a virtual X server with an accessibility bus, see
// tests/CMakeLists.txt): a search from the word box announces no focus change, and the list
// announces its items while it has the focus.
TEST(SearchButtons, ASearchFromTheWordBoxAnnouncesNoFocusChange)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "no assistive tool listens on the offscreen platform";
    QAccessible::installUpdateHandler(RecordFocusAnnouncement);
    const auto restore = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
    DrivenWindow window(Store());
    if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
        GTEST_SKIP() << "no assistive tool listens";

    window.Type(QStringLiteral("cat"));
    for (const auto &[key, button] : {std::pair{Qt::Key_M, "btLookup"}, {Qt::Key_W, "btWebster"}}) {
        FocusAnnouncements().clear();
        window.AltKey(key, button);
        ASSERT_GE(window.SelectedRow(), 0) << button;
        ASSERT_EQ(QApplication::focusWidget(), window.txtNotes()) << button;
        for (const auto &[object, child] : FocusAnnouncements())
            EXPECT_EQ(object, window.txtNotes())
                << button << " announced " << child << " of " << object->objectName().toStdString();
    }

    window.Moby();
    window.cbValues()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.cbValues()->hasFocus(); }));
    FocusAnnouncements().clear();
    QTest::keyClick(window.cbValues(), Qt::Key_Down);
    ASSERT_EQ(window.SelectedRow(), 1);
    const std::pair<QObject *, int> second{window.cbValues(), 1};
    EXPECT_NE(std::find(FocusAnnouncements().begin(), FocusAnnouncements().end(), second),
              FocusAnnouncements().end())
        << "the item the focus moved to in the list";
}

} // namespace
} // namespace quillby::testing::search_buttons
