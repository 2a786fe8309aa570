// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The main window's controls: keyboard order, accelerators, buttons that must not fire.

#include "app/ActionForm.h"
#include "app/ErrorBox.h"
#include "data/MemoryResourceStore.h"
#include "tests/support/ModalBoxCloser.h"
#include "ui/frame/FramedForm_p.h"

#include <QAccessible>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string_view>
#include <utility>

namespace quillby {
namespace {

// A window over an empty store: no lists load (the one error box is answered), and the
// controls are all there.
class MainWindowControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = std::make_unique<TfrmAction>(store_);
        QTimer answer;
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        answer.start();
        window_->show();
        answer.stop();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    template <typename T> T *Child(const char *name)
    {
        T *child = window_->findChild<T *>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    MemoryResourceStore store_;
    std::unique_ptr<TfrmAction> window_;
};

TEST_F(MainWindowControls, WordBoxHasTheFocusAtFirst)
{
    EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>("txtNotes"));
}

TEST_F(MainWindowControls, TabVisitsTheControlsInTheirOrder)
{
    const std::vector<QString> order = {"btLookup", "btCopy",   "btDictCom", "btClose", "btWebster",
                                        "txtNotes", "cbValues", "btDefine",  "bthelp",  "btLookup"};
    Child<QPushButton>("btLookup")->setFocus();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), order[i]) << "after " << i << " tabs";
    }
}

// Nothing hides anything: the panel fills the window's client area, every control stands whole
// inside it, no two boxes or buttons cover each other, and each label stands above the box it
// names.
TEST_F(MainWindowControls, ControlsStandWholeAndApartInThePanel)
{
    const QWidget *panel = Child<QWidget>("pnlControls");
    EXPECT_EQ(panel->geometry(), window_->ClientArea()->rect());
    const char *controls[] = {"txtNotes", "cbValues",  "bthelp",    "btDefine", "btCopy",
                              "btLookup", "btWebster", "btDictCom", "btClose"};
    for (const char *name : controls) {
        const QWidget *control = Child<QWidget>(name);
        EXPECT_EQ(control->parentWidget(), panel) << name;
        EXPECT_TRUE(control->isVisible()) << name;
        EXPECT_TRUE(panel->rect().contains(control->geometry())) << name;
        for (const char *other : controls) {
            if (std::string_view(name) < std::string_view(other)) {
                EXPECT_FALSE(control->geometry().intersects(Child<QWidget>(other)->geometry()))
                    << name << " and " << other;
            }
        }
    }
    const std::pair<const char *, const char *> labels[] = {{"lblWord", "txtNotes"},
                                                            {"lblSuggestions", "cbValues"}};
    for (const auto &[label, box] : labels) {
        const QRect text = Child<QWidget>(label)->geometry();
        const QRect below = Child<QWidget>(box)->geometry();
        EXPECT_TRUE(panel->rect().contains(text)) << label;
        EXPECT_LT(text.center().y(), below.top()) << label;
        EXPECT_GE(text.left(), below.left()) << label;
        EXPECT_LT(text.left(), below.center().x()) << label;
    }
}

TEST_F(MainWindowControls, GlyphButtonsShowTheirGlyphsInBothStates)
{
    for (const char *name : {"btCopy", "btLookup", "btWebster", "bthelp", "btClose"}) {
        const QIcon icon = Child<QPushButton>(name)->icon();
        const QImage normal = icon.pixmap(16, 16, QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(16, 16, QIcon::Disabled).toImage();
        EXPECT_FALSE(normal.isNull()) << name;
        EXPECT_NE(normal, disabled) << name << ": the disabled glyph looks the same";
    }
    for (const char *name : {"btDefine", "btDictCom"})
        EXPECT_TRUE(Child<QPushButton>(name)->icon().isNull()) << name;
}

TEST_F(MainWindowControls, AltCPressesCopyAndNeverClose)
{
    QSignalSpy copy(Child<QPushButton>("btCopy"), &QPushButton::clicked);
    QSignalSpy close(Child<QPushButton>("btClose"), &QPushButton::clicked);
    QTest::keyClick(Child<QLineEdit>("txtNotes"), Qt::Key_C, Qt::AltModifier);
    QTest::qWait(250); // a shortcut presses its button like a short mouse click
    EXPECT_EQ(copy.count(), 1);
    EXPECT_EQ(close.count(), 0);
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowControls, AltLettersPressTheirButtonsFromAnywhere)
{
    QSignalSpy moby(Child<QPushButton>("btLookup"), &QPushButton::clicked);
    QSignalSpy webster(Child<QPushButton>("btWebster"), &QPushButton::clicked);
    Child<QListView>("cbValues")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_EQ(moby.count(), 1);
    EXPECT_EQ(webster.count(), 1);
}

TEST_F(MainWindowControls, EnterAndEscapePressNoButton)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QPushButton *button : window_->findChildren<QPushButton *>())
        spies.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    QTest::keyClick(Child<QLineEdit>("txtNotes"), Qt::Key_Return);
    QTest::keyClick(Child<QLineEdit>("txtNotes"), Qt::Key_Escape);
    QTest::qWait(250);
    for (const auto &spy : spies)
        EXPECT_EQ(spy->count(), 0);
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowControls, CloseButtonClosesTheWindow)
{
    QTest::mouseClick(Child<QPushButton>("btClose"), Qt::LeftButton);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowControls, CloseGlyphShowsOnLightAndDarkPalettes)
{
    QPushButton *close = Child<QPushButton>("btClose");
    for (const QColor &face : {QColor(240, 240, 240), QColor(40, 40, 40)}) {
        QPalette palette = close->palette();
        palette.setColor(QPalette::Button, face);
        palette.setColor(QPalette::ButtonText, face.lightness() > 128 ? Qt::black : Qt::white);
        close->setPalette(palette);
        const QImage glyph = close->icon().pixmap(16).toImage();
        int strong = 0;
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width(); ++x) {
                const QColor pixel = glyph.pixelColor(x, y);
                strong +=
                    pixel.alpha() > 200 && std::abs(pixel.lightness() - face.lightness()) > 150;
            }
        }
        EXPECT_GT(strong, 12) << face.name().toStdString();
    }
}

// What assistive tools find: the labels name the boxes below them; the caption's About button
// and close box ("Close window") are push buttons of the window that its press action presses;
// Close offers no key, since Alt+C presses Copy.
TEST_F(MainWindowControls, AssistiveToolsFindNamesCaptionButtonsAndNoFalseKey)
{
    const auto name = [](QObject *object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(Child<QLineEdit>("txtNotes")), QStringLiteral("Word"));
    EXPECT_EQ(name(Child<QListView>("cbValues")), QStringLiteral("Suggestions"));

    QAccessibleInterface *close =
        QAccessible::queryAccessibleInterface(Child<QPushButton>("btClose"));
    QAccessibleInterface *copy =
        QAccessible::queryAccessibleInterface(Child<QPushButton>("btCopy"));
    EXPECT_EQ(close->text(QAccessible::Name), QStringLiteral("Close"));
    EXPECT_TRUE(close->text(QAccessible::Accelerator).isEmpty());
    EXPECT_TRUE(close->actionInterface()
                    ->keyBindingsForAction(QAccessibleActionInterface::pressAction())
                    .isEmpty());
    EXPECT_FALSE(copy->text(QAccessible::Accelerator).isEmpty());

    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(window_.get());
    std::map<QString, QAccessibleInterface *> caption;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        ASSERT_NE(child, nullptr) << i;
        EXPECT_EQ(window->indexOfChild(child), i);
        if (child->role() == QAccessible::Button && child->parent() == window)
            caption[child->text(QAccessible::Name)] = child;
    }
    // The close box is "Close window", so that screen readers do not hear two controls named
    // "Close".
    ASSERT_EQ(caption.count(QStringLiteral("About")), 1u);
    ASSERT_EQ(caption.count(QStringLiteral("Close window")), 1u);
    EXPECT_EQ(caption.count(QStringLiteral("Close")), 0u);
    QAccessibleInterface *about = caption[QStringLiteral("About")];
    QAccessibleInterface *closeBox = caption[QStringLiteral("Close window")];
    const QPoint origin = window_->mapToGlobal(QPoint(0, 0));
    const int w = window_->width();
    EXPECT_EQ(closeBox->rect(), FramedFormPrivate::Get(*window_).CloseBoxRect().translated(origin));
    // About is where its face is drawn: in the close box's row, just left of it.
    EXPECT_EQ(about->rect(), QRect(origin + QPoint(w - 45, 5), QSize(16, 14)));
    EXPECT_EQ(about->rect().top(), closeBox->rect().top());
    EXPECT_EQ(about->rect().height(), closeBox->rect().height());
    EXPECT_EQ(window->childAt(about->rect().center().x(), about->rect().center().y()), about);

    // The press returns at once, as the Help button's does; the version message comes after.
    testing::ModalBoxCloser boxes;
    about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&boxes] { return !boxes.boxes().empty(); }, 2000));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].objectName, QStringLiteral("VersionMessage"));
    closeBox->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(window_->isVisible());
}

TEST(ErrorBox, ShowsTheMessageAsPlainTextWithTitleIconAndOneButton)
{
    testing::ModalBoxCloser boxes;
    ShowErrorBox(QStringLiteral("Resource <B>x</B> not found"));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const auto &box = boxes.boxes().front();
    EXPECT_EQ(box.title, "Quillby");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.standardButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(box.text, "Resource <B>x</B> not found.");
    EXPECT_EQ(box.format, Qt::PlainText);
}

TEST(ErrorBox, AddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    struct Case {
        const char *message, *shown;
    };
    const Case cases[] = {
        {"Resource Q_txt_deflated not found", "Resource Q_txt_deflated not found."},
        {"Cannot open clipboard", "Cannot open clipboard."},
        {"Already ends.", "Already ends."},
        {"Question?", "Question?."},
        {"Bang!", "Bang!"},
        {"Closing )", "Closing )"},
        {"Number 7", "Number 7."},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ErrorBoxText(QString::fromLatin1(c.message)), QString::fromLatin1(c.shown))
            << c.message;
}

} // namespace
} // namespace quillby
