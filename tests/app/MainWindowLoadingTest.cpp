// The main window's start: loading the lists behind the progress window, failures, placement.

#include "ActionForm.h"
#include "MessageBoxCatcher.h"
#include "Placement.h"
#include "ProgressFrm.h"
#include "QtResourceStore.h"
#include "TestStores.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

namespace quillby {
namespace {

using testing::CopyOfEmbeddedLists;
using testing::MessageBoxCatcher;

std::string Keys(const WebsterLists *lists) {
    std::string keys;
    for (std::size_t i = 0; lists && i < lists->size(); ++i)
        keys += lists->Key(i);
    return keys;
}

TEST(MainWindowLoading, LoadsEveryListAndStandsAtTheRightEdge) {
    const QtResourceStore store;
    TfrmAction window(store);
    MessageBoxCatcher boxes;
    window.show();

    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(window.words()->Lines().size(), 354984u);
    EXPECT_EQ(Keys(window.websterLists()), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(window.websterLists()->List(23).size(), 147u); // X
    EXPECT_EQ(window.ProgressForm(), nullptr);
    for (QWidget *top : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TfrmProgress *>(top), nullptr) << "a progress window is left";

    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(frame.right(), screen.right());
    EXPECT_EQ(frame.top(), screen.top() + screen.height() - 2 * frame.height());
    EXPECT_EQ(window.windowTitle(), "Spelling Lists");
}

TEST(MainWindowLoading, PlacementOnA1024By768Screen) {
    EXPECT_EQ(RightEdgePosition({1024, 768}, {325, 190}), QPoint(1024 - 325, 768 - 380));
    EXPECT_EQ(RightEdgePosition({1920, 1080}, {317, 161}), QPoint(1603, 758));
}

TEST(MainWindowLoading, ProgressWindowShowsCentredWhileAListLoads) {
    const QtResourceStore store;
    TfrmAction window(store);
    QString firstText;
    QSize size;
    QPoint centreOffset;
    QTimer::singleShot(0, [&] {
        TfrmProgress *progress = window.ProgressForm();
        ASSERT_NE(progress, nullptr);
        firstText = progress->Panel1()->text();
        size = progress->size();
        const QRect desktop = progress->screen()->geometry();
        centreOffset = progress->pos() - QPoint((desktop.width() - progress->width()) / 2,
                                                (desktop.height() - progress->height()) / 2);
    });
    window.show();
    EXPECT_TRUE(firstText == "0%" || firstText.startsWith("Loading: ")) << firstText.toStdString();
    EXPECT_EQ(size, QSize(185, 21));
    EXPECT_EQ(centreOffset, QPoint(0, 0));
}

TEST(MainWindowLoading, ProgressTextNamesThePercentage) {
    const QtResourceStore store;
    TfrmAction window(store);
    QString text;
    QTimer::singleShot(0, [&] {
        window.ShowLoadProgress(37);
        text = window.ProgressForm()->Panel1()->text();
    });
    window.show();
    EXPECT_EQ(text, "Loading: 37%");
    window.ShowLoadProgress(50); // no progress window any more: nothing to update, no crash
}

struct FailureCase {
    const char *what;
    std::string list;
    enum { Missing, Empty, Truncated, Flipped } damage;
    std::string expectedText; // the start of the error box's text
    std::string keysLeft;
    std::size_t wordLines;
};

class MainWindowLoadingFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(MainWindowLoadingFailure, ReportsTheErrorKeepsWhatLoadedAndShowsAtTheDesignPlace) {
    const FailureCase &c = GetParam();
    MemoryResourceStore store = CopyOfEmbeddedLists();
    std::vector<unsigned char> *bytes = store.Get(kRcData, c.list);
    ASSERT_NE(bytes, nullptr);
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

    {
        TfrmAction window(store);
        MessageBoxCatcher boxes;
        window.show();

        ASSERT_EQ(boxes.boxes().size(), 1u) << c.what;
        const auto &box = boxes.boxes().front();
        EXPECT_EQ(box.title, "Quillby");
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_TRUE(box.text.startsWith(QString::fromStdString(c.expectedText)))
            << box.text.toStdString();
        EXPECT_TRUE(box.text.endsWith('.')) << box.text.toStdString();

        EXPECT_EQ(Keys(window.websterLists()), c.keysLeft);
        if (c.wordLines != std::size_t(-1)) {
            EXPECT_EQ(window.words()->Lines().size(), c.wordLines);
        }
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.pos(), kDesignTimePosition);
        EXPECT_EQ(window.ProgressForm(), nullptr);
    } // closing frees only what exists
}

INSTANTIATE_TEST_SUITE_P(
    Damage, MainWindowLoadingFailure,
    ::testing::Values(FailureCase{"missing Q", "Q_txt_deflated", FailureCase::Missing,
                                  "Resource Q_txt_deflated not found.", "ABCDEFGHIJKLMNOP", 354984},
                      FailureCase{"missing word list", "mobyWordListCompressed",
                                  FailureCase::Missing,
                                  "Resource mobyWordListCompressed not found.", "", 0},
                      FailureCase{"empty word list", "mobyWordListCompressed", FailureCase::Empty,
                                  "The compressed stream may be corrupt", "", 0},
                      FailureCase{"truncated C", "C_txt_deflated", FailureCase::Truncated,
                                  "The compressed stream may be corrupt", "AB", 354984},
                      FailureCase{"reserved block type in word list", "mobyWordListCompressed",
                                  FailureCase::Flipped, "The compressed stream may be corrupt", "",
                                  std::size_t(-1)}),
    [](const auto &info) {
        std::string name = info.param.what;
        for (char &ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

} // namespace
} // namespace quillby
