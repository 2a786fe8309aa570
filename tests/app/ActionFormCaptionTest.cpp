// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The main window's caption bar: its About button, drawn beside the close box, and the version
// message it shows.
#include "app/ActionForm_p.h"
#include "data/ListLoader.h"
#include "data/MemoryResourceStore.h"
#include "tests/support/ModalBoxCloser.h"
#include "tests/support/RawDeflate.h"
#include "tests/ui/frame/ButtonStateSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// The program's own stored forms taken out of its resources and put back (these functions live
// outside any namespace).
static void RemoveBuiltInForms()
{
    Q_CLEANUP_RESOURCE(forms);
}

static void RestoreBuiltInForms()
{
    Q_INIT_RESOURCE(forms);
}

namespace quillby {
namespace {

using test::CaptionBar;
using test::Frame;
using test::Rect;
using test::State;
using testing::RawDeflate;

// Word lists of one line each, so that the window loads at once.
MemoryResourceStore TinyLists()
{
    MemoryResourceStore store;
    store.Put(kRcData, kWordListName, RawDeflate("rhythm\n"));
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        store.Put(kRcData, WebsterListName(letter), RawDeflate("\"A\",\"n.\",\"x\"\n"));
    return store;
}

struct VersionBoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QPoint centre;
    QWindow *owner = nullptr;
};

// Waits for the version message, reads it and closes it with its OK button.
void ReadAndCloseVersionBox(VersionBoxSeen &seen)
{
    QTimer::singleShot(50, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            ReadAndCloseVersionBox(seen);
            return;
        }
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        seen.centre = box->frameGeometry().center();
        seen.owner = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
        box->button(QMessageBox::Ok)->click();
    });
}

class ActionCaptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TfrmAction>(store);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QCoreApplication::processEvents();
        about = CaptionBar(*form)->ButtonByIndex(0);
        ASSERT_NE(about, nullptr);
        CaptionBar(*form)->PaintButtons();
    }
    QPoint AboutCentre() const
    {
        const TRect rect = Rect(about);
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }

    MemoryResourceStore store = TinyLists();
    std::unique_ptr<TfrmAction> form;
    TCaptionButton *about = nullptr;
};

TEST_F(ActionCaptionTest, ComponentIsLoadedFromItsStoredDescription)
{
    TCaptionBarButtons *component = CaptionBar(*form);
    EXPECT_EQ(component->objectName(), QStringLiteral("CaptionBarButtons1"));
    EXPECT_EQ(component->Version(), QStringLiteral("1.21"));
    EXPECT_EQ(component->ButtonByIndex(1), nullptr);
    EXPECT_EQ(about->Name(), QStringLiteral("CaptionButton1"));
    EXPECT_EQ(about->Hint(), QStringLiteral("About"));
    EXPECT_TRUE(about->Caption().isEmpty());
    EXPECT_EQ(about->Bitmap().Width(), 20);
    EXPECT_EQ(about->Bitmap().Height(), 20);
    EXPECT_TRUE(about->Bitmap().Transparent());
    EXPECT_EQ(about->Bitmap().TransparentColor(), QColor(192, 192, 192));
    EXPECT_EQ(about->Font().Name, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(about->Font().Height, -11);
    EXPECT_EQ(about->Font().Color, clWindowText);
    EXPECT_EQ(about->ButtonType(), btCustom);
    EXPECT_EQ(about->ButtonGlyph(), bgCaption);
    EXPECT_EQ(about->Speed(), 30);
    EXPECT_TRUE(about->OnClick());
}

TEST_F(ActionCaptionTest, ClientAreaKeepsItsSizeInsideTheDialogFrame)
{
    const QWidget *panel = form->findChild<QWidget *>(QStringLiteral("pnlControls"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->size(), QSize(317, 161));
    EXPECT_EQ(panel->mapTo(form.get(), QPoint(0, 0)), Frame(*form).ClientOrigin());
    EXPECT_EQ(form->frameGeometry().size(), QSize(317 + 6, 161 + 6 + 19));
    // Placed by its outer size at the right edge of the work area, one window height above its
    // bottom.
    const QRect workArea = form->screen()->availableGeometry();
    EXPECT_EQ(form->frameGeometry().right(), workArea.right());
    EXPECT_EQ(form->frameGeometry().top(),
              workArea.bottom() + 1 - 2 * form->frameGeometry().height());
}

TEST_F(ActionCaptionTest, AboutButtonSitsJustLeftOfTheCloseBox)
{
    const int w = form->width();
    EXPECT_EQ(Rect(about), (TRect{w - 45, 6, w - 29, 20}));
    EXPECT_LT(Rect(about).Right, Frame(*form).CloseBoxRect().left());
    // Drawn on the window: some of the question mark shows in its stretched rectangle.
    const QImage shot = form->grab().toImage();
    int dark = 0;
    for (int y = 8; y < 17; ++y) {
        for (int x = w - 43; x < w - 32; ++x)
            dark += qGray(shot.pixel(x, y)) < 64 ? 1 : 0;
    }
    EXPECT_GT(dark, 5);
}

TEST_F(ActionCaptionTest, ClickingAboutShowsTheVersionMessage)
{
    const QPoint start = form->pos();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, AboutCentre());
    EXPECT_TRUE(State(about).pressed);
    EXPECT_TRUE(State(about).mouseInside);
    EXPECT_EQ(QWidget::mouseGrabber(), form.get());
    VersionBoxSeen seen;
    ReadAndCloseVersionBox(seen);
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, AboutCentre());
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, QStringLiteral("Information"));
    EXPECT_EQ(seen.text, QStringLiteral("Version 2.00 "));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    ASSERT_EQ(seen.buttons.size(), 1);
    EXPECT_EQ(QString(seen.buttons[0]).remove(QLatin1Char('&')), QStringLiteral("OK"));
    const QPoint screenCentre = form->screen()->geometry().center();
    EXPECT_LE((seen.centre - screenCentre).manhattanLength(), 1);
    EXPECT_EQ(seen.owner, form->windowHandle());
    EXPECT_EQ(form->pos(), start);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(ActionCaptionTest, ReleasingOffTheButtonShowsNothing)
{
    QTest::mousePress(form.get(), Qt::LeftButton, {}, AboutCentre());
    QTest::mouseMove(form.get(), QPoint(60, 100));
    EXPECT_FALSE(State(about).mouseInside);
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(60, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(State(about).armed);
}

TEST_F(ActionCaptionTest, DoubleClickOnAboutShowsTheMessageTwice)
{
    // Every version message that comes up is counted and closed.
    int shown = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++shown;
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(10);
    // Press, release, double click, release, as a double click arrives.
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, AboutCentre());
    QTest::mouseDClick(form.get(), Qt::LeftButton, {}, AboutCentre());
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, AboutCentre());
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(form->isMaximized());
}

// A stored caption bar that is missing or damaged is reported in the error box; the window
// shows all the same, with its close box and without the About button.
class StoredFormTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        RemoveBuiltInForms();
        if (Damaged()) {
            ASSERT_TRUE(QResource::registerResource(QStringLiteral(QUILLBY_DAMAGED_FORM)));
        }
    }
    void TearDown() override
    {
        if (Damaged())
            QResource::unregisterResource(QStringLiteral(QUILLBY_DAMAGED_FORM));
        RestoreBuiltInForms();
    }
    bool Damaged() const { return GetParam(); }

    MemoryResourceStore store = TinyLists();
};

TEST_P(StoredFormTest, IsReportedAndTheWindowStillShows)
{
    testing::ModalBoxCloser boxes;
    TfrmAction form(store);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const testing::ShownBox &box = boxes.boxes().front();
    EXPECT_EQ(box.title, QStringLiteral("Quillby"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    const std::string start = Damaged() ? "Stored form :/FORMS/ActionForm.json is damaged: "
                                        : "Stored form :/FORMS/ActionForm.json not found.";
    EXPECT_THAT(box.text.toStdString(), ::testing::StartsWith(start));

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(CaptionBar(form)->Buttons()->Count(), 0);
    EXPECT_FALSE(Frame(form).CloseBoxRect().isEmpty());
    // The window works: a search fills the suggestion list.
    form.findChild<QLineEdit *>(QStringLiteral("txtNotes"))->setText(QStringLiteral("rhy"));
    form.findChild<QPushButton *>(QStringLiteral("btLookup"))->click();
    EXPECT_EQ(form.findChild<QListView *>(QStringLiteral("cbValues"))->model()->rowCount(), 1);
    EXPECT_EQ(boxes.boxes().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(MissingAndDamaged, StoredFormTest, ::testing::Values(false, true),
                         [](const auto &info) {
                             return std::string(info.param ? "Damaged" : "Missing");
                         });

} // namespace
} // namespace quillby
