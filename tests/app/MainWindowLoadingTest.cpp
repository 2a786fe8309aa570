// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The main window's start: loading the lists behind the progress window, failures, placement.

#include "app/ActionForm_p.h"
#include "app/Placement.h"
#include "resources/QtResourceStore.h"
#include "tests/support/DrivenWindow.h"
#include "ui/progress/ProgressFrm.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>

namespace quillby {
namespace {

using testing::CopyOfEmbeddedLists;
using testing::DrivenWindow;
using testing::ModalBoxCloser;

std::string Keys(const WebsterLists *lists)
{
    std::string keys;
    for (std::size_t i = 0; lists && i < lists->size(); ++i)
        keys += lists->Key(i);
    return keys;
}

TEST(MainWindowLoading, LoadsEveryListAndStandsAtTheRightEdge)
{
    const QtResourceStore store;
    TfrmAction window(store);
    ModalBoxCloser boxes;
    window.show();

    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(TfrmActionInspector(window).words()->Lines().size(), 354984u);
    EXPECT_EQ(Keys(TfrmActionInspector(window).websterLists()), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(TfrmActionInspector(window).websterLists()->List(23).size(), 147u); // X
    EXPECT_EQ(TfrmActionInspector(window).ProgressForm(), nullptr);
    for (QWidget *top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TfrmProgress *>(top), nullptr) << "a progress window is left";

    const QRect workArea = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(frame.right(), workArea.right());
    EXPECT_EQ(frame.top(), workArea.top() + workArea.height() - 2 * frame.height());
    EXPECT_EQ(window.windowTitle(), "Spelling Lists");
}

TEST(MainWindowLoading, PlacementAgainstTheRightEdgeOfTheWorkAreaAndInsideIt)
{
    struct Case {
        const char *what;
        QRect workArea; // logical pixels
        QSize window;
        qreal scale;
        QPoint expected;
    };
    const Case cases[] = {
        {"whole 1024 x 768 screen", {0, 0, 1024, 768}, {325, 190}, 1, {1024 - 325, 768 - 380}},
        {"60-pixel panel at the right", {0, 0, 964, 768}, {323, 186}, 1, {641, 396}},
        {"30-pixel panel at the top", {0, 30, 1920, 1050}, {317, 161}, 1, {1603, 758}},
        // 1024 x 768 at 2x is 512 x 384; a 40-pixel top panel leaves 364 from 20. One window
        // height above the bottom would put the top at -16, above the screen.
        {"2x, top panel, window above the work area", {0, 20, 512, 364}, {325, 200}, 2, {187, 20}},
        {"2x, top panel, window into the panel", {0, 20, 512, 364}, {323, 186}, 2, {189, 20}},
        // 964 device pixels at 1.5x round to 643: at x = 320 the window's right edge would
        // fall on device pixel 965, one into the panel.
        {"1.5x, 60-pixel panel at the right", {0, 0, 643, 512}, {323, 186}, 1.5, {319, 140}},
        {"1.5x, edge exact in device pixels", {0, 0, 642, 512}, {322, 186}, 1.5, {320, 140}},
        {"window larger than the work area", {10, 30, 300, 100}, {323, 186}, 1, {10, 30}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RightEdgePosition(c.workArea, c.window, c.scale), c.expected) << c.what;
}

TEST(MainWindowLoading, ProgressWindowShowsCentredWhileAListLoads)
{
    const QtResourceStore store;
    TfrmAction window(store);
    QString firstText;
    QSize size;
    QPoint centreOffset;
    bool tookFocus = true;
    Qt::WindowType type = Qt::Window;
    QTimer::singleShot(0, [&] {
        TfrmProgress *progress = TfrmActionInspector(window).ProgressForm();
        ASSERT_NE(progress, nullptr);
        // A splash window without focus: no taskbar button comes and goes for each list.
        type = progress->windowType();
        tookFocus = QGuiApplication::focusWindow() == progress->windowHandle();
        firstText = progress->pnlProgress()->text();
        size = progress->size();
        const QRect workArea = progress->screen()->availableGeometry();
        centreOffset = progress->pos() - workArea.topLeft() -
                       QPoint((workArea.width() - progress->width()) / 2,
                              (workArea.height() - progress->height()) / 2);
    });
    window.show();
    EXPECT_TRUE(firstText == "0%" || firstText.startsWith("Loading: ")) << firstText.toStdString();
    EXPECT_EQ(size, QSize(185, 21));
    EXPECT_EQ(centreOffset, QPoint(0, 0));
    EXPECT_EQ(type, Qt::SplashScreen);
    EXPECT_FALSE(tookFocus);
}

TEST(MainWindowLoading, ProgressTextNamesThePercentage)
{
    const QtResourceStore store;
    TfrmAction window(store);
    QString text;
    QTimer::singleShot(0, [&] {
        TfrmActionInspector(window).ShowLoadProgress(37);
        text = TfrmActionInspector(window).ProgressForm()->pnlProgress()->text();
    });
    window.show();
    EXPECT_EQ(text, "Loading: 37%");
    TfrmActionInspector(window).ShowLoadProgress(
        50); // no progress window any more: nothing to update, no crash
}

struct FailureCase {
    const char *what;
    std::string list;
    enum { Missing, Empty, Truncated, Flipped } damage;
    std::string expectedText; // the start of the error box's text
    std::string keysLeft;
    std::size_t wordLines;
};

// The embedded lists with one of them damaged as `c` says.
MemoryResourceStore DamagedStore(const FailureCase &c)
{
    MemoryResourceStore store = CopyOfEmbeddedLists();
    std::vector<unsigned char> *bytes = store.Get(kRcData, c.list);
    if (!bytes)
        return store;
    switch (c.damage) {
    case FailureCase::Missing:
        store.Remove(kRcData, c.list);
        break;
    case FailureCase::Empty:
        bytes->clear();
        break;
    case FailureCase::Truncated:
        bytes->resize(bytes->size() / 2);
        break;
    case FailureCase::Flipped:
        (*bytes)[0] |= 0x06; // the first block now claims the reserved block type
        break;
    }
    return store;
}

void PrintTo(const FailureCase &c, std::ostream *out)
{
    *out << c.what;
}

class MainWindowLoadingFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(MainWindowLoadingFailure, ReportsTheErrorKeepsWhatLoadedAndShowsAtTheDesignPlace)
{
    const FailureCase &c = GetParam();
    const MemoryResourceStore store = DamagedStore(c);
    ASSERT_EQ(store.Find(kRcData, c.list).has_value(), c.damage != FailureCase::Missing);

    {
        TfrmAction window(store);
        ModalBoxCloser boxes;
        window.show();

        ASSERT_EQ(boxes.boxes().size(), 1u) << c.what;
        const auto &box = boxes.boxes().front();
        EXPECT_EQ(box.title, "Quillby");
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.standardButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_TRUE(box.text.startsWith(QString::fromStdString(c.expectedText)))
            << box.text.toStdString();
        EXPECT_TRUE(box.text.endsWith('.')) << box.text.toStdString();

        EXPECT_EQ(Keys(TfrmActionInspector(window).websterLists()), c.keysLeft);
        EXPECT_EQ(TfrmActionInspector(window).words()->Lines().size(), c.wordLines);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.pos(), kDesignTimePosition);
        EXPECT_EQ(TfrmActionInspector(window).ProgressForm(), nullptr);
    } // closing frees only what exists
}

TEST_P(MainWindowLoadingFailure, SearchesAndActionsWorkOnWhatLoaded)
{
    const FailureCase &c = GetParam();
    const MemoryResourceStore store = DamagedStore(c);
    ModalBoxCloser boxes;
    DrivenWindow window(store);
    window.CaptureUrls();
    ASSERT_EQ(boxes.boxes().size(), 1u) << "the load error";
    const bool wordsLoaded = c.wordLines != 0;
    const bool aLoaded = c.keysLeft.find('A') != std::string::npos;

    // Moby searches whatever the Word list holds: nothing after its failure.
    window.Type(QStringLiteral("rythm"));
    window.Click("btLookup");
    EXPECT_EQ(window.Items().contains(QStringLiteral("rhythm")), wordsLoaded) << c.what;
    if (!wordsLoaded) {
        EXPECT_TRUE(window.Items().isEmpty());
    }

    // Webster finds words in a list that loaded; Definitions shows and copies the entry.
    window.Type(QStringLiteral("Azymic"));
    window.Click("btWebster");
    const QStringList azymic = window.Items();
    EXPECT_EQ(azymic.contains(QStringLiteral("Azymic")), aLoaded) << c.what;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    window.Click("btDefine");
    const QString definition = QStringLiteral("Azymic  (a.)\r\nAzymous.");
    if (aLoaded) {
        ASSERT_EQ(boxes.boxes().size(), 2u);
        EXPECT_EQ(boxes.boxes().back().text, definition);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), definition);
    } else {
        EXPECT_EQ(boxes.boxes().size(), 1u) << "no suggestion, no definition";
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    }

    // For the letter that failed, and every letter after it, Webster does nothing at all.
    const int rowBefore = window.SelectedRow();
    for (const QString &typed : {QStringLiteral("Quill"), QStringLiteral("zebra")}) {
        if (c.keysLeft.find(typed.front().toUpper().toLatin1()) != std::string::npos)
            continue;
        window.Type(typed);
        window.Click("btWebster");
        EXPECT_EQ(window.Items(), azymic) << typed.toStdString();
        EXPECT_EQ(window.SelectedRow(), rowBefore) << typed.toStdString();
    }
    // A letter loaded before the failure is searched in full.
    if (c.keysLeft.find('B') != std::string::npos) {
        window.Type(QStringLiteral("brow"));
        window.Click("btWebster");
        const QStringList items = window.Items();
        EXPECT_TRUE(items.contains(QStringLiteral("Brow")));
        for (const QString &item : items)
            EXPECT_TRUE(item.startsWith(QStringLiteral("brow"), Qt::CaseInsensitive))
                << item.toStdString();
    }

    // Copy and the web dictionary take the word box as it is.
    window.Type(QStringLiteral("ice cream"));
    window.Click("btCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ice cream"));
    window.Click("btDictCom");
    ASSERT_EQ(window.Opened().size(), 1u);
    EXPECT_EQ(window.Opened()[0].query(QUrl::FullyEncoded), QStringLiteral("q=ice%20cream"));
    EXPECT_EQ(boxes.boxes().size(), aLoaded ? 2u : 1u) << "no error after the load error";
}

const std::string kWords(kWordListName);
const std::string kCorrupt = "The compressed stream may be corrupt";

INSTANTIATE_TEST_SUITE_P(
    Damage, MainWindowLoadingFailure,
    ::testing::Values(
        FailureCase{"missing Q", "Q_txt_deflated", FailureCase::Missing,
                    "Resource Q_txt_deflated not found.", "ABCDEFGHIJKLMNOP", 354984},
        FailureCase{"missing word list", kWords, FailureCase::Missing,
                    "Resource mobyWordListCompressed not found.", "", 0},
        FailureCase{"empty word list", kWords, FailureCase::Empty, kCorrupt, "", 0},
        FailureCase{"truncated word list", kWords, FailureCase::Truncated, kCorrupt, "", 0},
        FailureCase{"reserved block type in word list", kWords, FailureCase::Flipped, kCorrupt, "",
                    0},
        FailureCase{"missing C", "C_txt_deflated", FailureCase::Missing,
                    "Resource C_txt_deflated not found.", "AB", 354984},
        FailureCase{"empty C", "C_txt_deflated", FailureCase::Empty, kCorrupt, "AB", 354984},
        FailureCase{"truncated C", "C_txt_deflated", FailureCase::Truncated, kCorrupt, "AB",
                    354984},
        FailureCase{"reserved block type in C", "C_txt_deflated", FailureCase::Flipped, kCorrupt,
                    "AB", 354984},
        FailureCase{"missing A", "A_txt_deflated", FailureCase::Missing,
                    "Resource A_txt_deflated not found.", "", 354984}),
    [](const auto &info) {
        std::string name = info.param.what;
        for (char &ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

} // namespace
} // namespace quillby
