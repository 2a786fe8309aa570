// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Layout, drawing and properties of the caption-bar buttons.
#include "tests/support/CarriedResources.h"
#include "tests/ui/frame/CaptionTestSupport.h"
#include "ui/frame/ComponentErrors_p.h"
#include "ui/frame/ComponentStream_p.h"

#include <QFile>
#include <QJsonArray>
#include <QResizeEvent>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <optional>

namespace quillby::test {
namespace {

using LayoutTest = CaptionFormTest;

TEST_F(LayoutTest, FirstButtonOfADialogWithACloseBoxSitsLeftOfTheCloseBox)
{
    AddButton();
    component->PaintButtons();
    const int w = form->width();
    EXPECT_EQ(w, 317 + 2 * 3);
    // System width 18, u 22, w 16.
    EXPECT_EQ(Rect(component->ButtonByIndex(0)), (TRect{w - 45, 6, w - 29, 20}));
}

struct FrameCase {
    const char *name;
    TFormBorderStyle border;
    TBorderIcons icons;
    // Distance of the first button's left edge from the window's right edge, its width and
    // height, worked out by hand from the example metrics.
    int fromRight;
    int width;
    int height;
};

class FrameLayoutTest : public CaptionFormTest, public ::testing::WithParamInterface<FrameCase> {
protected:
    void SetUp() override {}
};

TEST_P(FrameLayoutTest, FirstButtonFollowsFrameAndCaptionBoxes)
{
    const FrameCase &c = GetParam();
    MakeForm(c.border, c.icons);
    AddButton();
    component->PaintButtons();
    const TRect rect = Rect(component->ButtonByIndex(0));
    EXPECT_EQ(form->width() - rect.Left, c.fromRight);
    EXPECT_EQ(rect.Width(), c.width);
    EXPECT_EQ(rect.Top, 6);
    EXPECT_EQ(rect.Height(), c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameLayoutTest,
    ::testing::Values(
        // frame 3, system 18: 17 + 6 + 22
        FrameCase{"DialogCloseBox", TFormBorderStyle::bsDialog, biSystemMenu, 45, 16, 14},
        // frame 3, system 18 + 18 (help box): 17 + 6 + 40
        FrameCase{"DialogHelpBox", TFormBorderStyle::bsDialog, biSystemMenu | biHelp, 63, 16, 14},
        // frame 4, system 18 + 2 x 16 + 2: 17 + 6 + 57
        FrameCase{"SizeableAllBoxes", TFormBorderStyle::bsSizeable,
                  biSystemMenu | biMinimize | biMaximize, 80, 16, 14},
        // no system menu: frame 3 only: 17 + 6 + 4
        FrameCase{"DialogNoBoxes", TFormBorderStyle::bsDialog, 0, 27, 16, 14},
        // tool window: width 12 - 2, height 15 - 4, system 12, frame 3: 11 + 6 + 16
        FrameCase{"ToolWindow", TFormBorderStyle::bsToolWindow, biSystemMenu, 33, 10, 11},
        // sizeable tool window: frame 4: 11 + 6 + 17
        FrameCase{"SizeToolWindow", TFormBorderStyle::bsSizeToolWin, biSystemMenu, 34, 10, 11}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LayoutTest, ButtonsRunRightToLeftWithSeparatorsAndSkipHiddenOnes)
{
    TCaptionButton *first = AddButton();
    TCaptionButton *hidden = AddButton();
    TCaptionButton *third = AddButton();
    hidden->SetVisible(false);
    third->SetWidth(30);
    third->SetSeparator(5);
    const TRect before = Rect(hidden);
    component->PaintButtons();
    EXPECT_EQ(Rect(hidden), before);
    EXPECT_EQ(Rect(third).Right, Rect(first).Left - 5);
    EXPECT_EQ(Rect(third).Width(), 30);
}

TEST_F(LayoutTest, LongCaptionHidesTheButtonItReachesAndEveryLaterOne)
{
    TCaptionButton *buttons[] = {AddButton(), AddButton(), AddButton()};
    component->PaintButtons();
    const int lefts[] = {Rect(buttons[0]).Left, Rect(buttons[1]).Left};
    // A caption measured in the component's font, plus 40 for the system menu, that passes the
    // second button's left edge but not the first one's.
    const QFontMetrics metrics(TFont().ToQFont());
    QString caption;
    while (metrics.horizontalAdvance(caption) + 40 <= lefts[1])
        caption += QLatin1Char('x');
    ASSERT_LE(metrics.horizontalAdvance(caption) + 40, lefts[0]);
    form->setWindowTitle(caption);
    component->PaintButtons();
    EXPECT_FALSE(Rect(buttons[0]).IsEmpty());
    EXPECT_EQ(Rect(buttons[1]), TRect());
    EXPECT_EQ(Rect(buttons[2]), TRect());
    // A later drawing with room again brings them back.
    form->setWindowTitle(QStringLiteral("Short"));
    component->PaintButtons();
    EXPECT_FALSE(Rect(buttons[2]).IsEmpty());
}

TEST_F(LayoutTest, ButtonByIndexGivesNoButtonPastTheEndAndRefusesNegativeIndexes)
{
    TCaptionButton *button = AddButton(QStringLiteral("About"));
    EXPECT_EQ(component->ButtonByIndex(0), button);
    EXPECT_EQ(component->ButtonByIndex(1), nullptr);
    EXPECT_THROW(component->ButtonByIndex(-1), EListError);
}

TEST_F(LayoutTest, NewButtonsTakeTheSmallestFreeNumber)
{
    AddButton();
    AddButton();
    AddButton();
    component->Buttons()->Delete(1);
    EXPECT_EQ(AddButton()->Name(), QStringLiteral("CaptionButton2"));
    // Names are compared ignoring case.
    component->Buttons()->Items(0)->SetName(QStringLiteral("captionbutton4"));
    EXPECT_EQ(AddButton()->Name(), QStringLiteral("CaptionButton1"));
}

TEST_F(LayoutTest, RenamingIgnoresCaseChangesAndRefusesAnotherButtonsName)
{
    TCaptionButton *first = AddButton();
    AddButton();
    first->SetName(QStringLiteral("CAPTIONBUTTON1"));
    EXPECT_EQ(first->Name(), QStringLiteral("CaptionButton1"));
    try {
        first->SetName(QStringLiteral("captionButton2"));
        ADD_FAILURE() << "a duplicated name was taken";
    } catch (const EComponentError &error) {
        EXPECT_STREQ(error.what(), "Duplicated button name");
    }
    EXPECT_EQ(first->Name(), QStringLiteral("CaptionButton1"));
    first->SetName(QStringLiteral("About"));
    EXPECT_EQ(first->Name(), QStringLiteral("About"));
}

TEST_F(LayoutTest, StoredGroupedDownButtonLoadsUpBecauseGroupIndexComesLast)
{
    const QJsonObject stored{
        {QStringLiteral("Buttons"), QJsonArray{QJsonObject{{QStringLiteral("AllowAllUp"), true},
                                                           {QStringLiteral("Down"), true},
                                                           {QStringLiteral("GroupIndex"), 1}}}}};
    ReadCaptionBarButtons(*component, stored);
    const TCaptionButton *button = component->ButtonByIndex(0);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GroupIndex(), 1);
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(button->AllowAllUp());
}

TEST_F(LayoutTest, StoredFormWritesOnlyNonDefaultValuesAndLoadsThemBack)
{
    TCaptionButton *button = AddButton(QStringLiteral("Roll"));
    button->SetButtonType(btRoller);
    button->SetSpeed(12);
    button->SetAnimate(true);
    button->SetTag(7);
    TCaptionButton *plain = AddButton();

    const QJsonObject stored = WriteCaptionBarButtons(*component);
    const QJsonArray list = stored.value(QStringLiteral("Buttons")).toArray();
    ASSERT_EQ(list.size(), 2);
    const QJsonObject first = list.at(0).toObject();
    EXPECT_EQ(first.value(QStringLiteral("ButtonType")).toString(), QStringLiteral("btRoller"));
    EXPECT_EQ(first.value(QStringLiteral("Speed")).toInt(), 12);
    EXPECT_EQ(first.value(QStringLiteral("OnClick")).toString(), QStringLiteral("count"));
    const QJsonObject second = list.at(1).toObject();
    // Stored defaults and empty texts are left out; booleans and integers without one are not.
    for (const char *absent : {"AllowAllUp", "Animate", "ButtonGlyph", "ButtonType", "Caption",
                               "Hint", "Speed", "RolledUp", "StayOnTop", "PopupMenu", "Bitmap"})
        EXPECT_FALSE(second.contains(QLatin1String(absent))) << absent;
    for (const char *present :
         {"Down", "Enabled", "GroupIndex", "Separator", "Tag", "Visible", "Width", "Font", "Name"})
        EXPECT_TRUE(second.contains(QLatin1String(present))) << present;
    EXPECT_EQ(stored.value(QStringLiteral("Version")).toString(), QStringLiteral("1.21"));

    // The component's own version stands whatever version the stored form gives.
    QJsonObject older = stored;
    older.insert(QStringLiteral("Version"), QStringLiteral("9.99"));
    FramedForm other;
    TCaptionBarButtons copy(&FramedFormPrivate::Get(other));
    ReadCaptionBarButtons(copy, older);
    EXPECT_EQ(WriteCaptionBarButtons(copy).value(QStringLiteral("Version")),
              stored.value(QStringLiteral("Version")));
    ASSERT_EQ(copy.Buttons()->Count(), 2);
    const TCaptionButton *loaded = copy.ButtonByIndex(0);
    EXPECT_EQ(loaded->ButtonType(), btRoller);
    EXPECT_EQ(loaded->Speed(), 12);
    EXPECT_TRUE(loaded->Animate());
    EXPECT_EQ(loaded->Tag(), 7);
    EXPECT_EQ(loaded->Hint(), QStringLiteral("Roll"));
    EXPECT_EQ(copy.ButtonByIndex(1)->Name(), plain->Name());
}

// A stored form that cannot be used is refused with its path and what is wrong with it, and
// leaves no button behind, not even one read before the fault.
TEST_F(LayoutTest, MissingOrDamagedStoredFormIsRefusedAndLeavesNoButton)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray good = R"({"Buttons": [{"Hint": "About"}]})";
    struct Case {
        const char *name;
        std::optional<QByteArray> text;
        // How the message starts: a parse error goes on with the parser's words and where.
        const char *message;
    };
    const Case cases[] = {
        {"missing", std::nullopt, "Stored form %1 not found"},
        {"truncated", good.left(20), "Stored form %1 is damaged: unterminated"},
        {"empty", QByteArray(), "Stored form %1 is damaged: "},
        {"not an object", "[1, 2]", "Stored form %1 is damaged: it holds no object"},
        {"wrong kind", R"({"Buttons": [{"Hint": "A"}, {"Down": "yes"}]})",
         "Stored form %1 is damaged: Invalid stored value for property Down"},
        {"unknown bitmap", R"({"Buttons": [{"Bitmap": {"Resource": "NOPE"}}]})",
         "Stored form %1 is damaged: Resource NOPE not found"},
    };
    for (const Case &c : cases) {
        const QString path = folder.filePath(QLatin1String(c.name));
        if (c.text) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*c.text);
        }
        AddButton();
        try {
            LoadCaptionBarButtons(*component, path);
            ADD_FAILURE() << c.name << " was taken";
        } catch (const QuillbyError &error) {
            EXPECT_THAT(error.what(), ::testing::StartsWith(
                                          QString::fromLatin1(c.message).arg(path).toStdString()));
        }
        EXPECT_EQ(component->Buttons()->Count(), 0) << c.name;
    }
    QFile file(folder.filePath(QStringLiteral("good")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(good);
    file.close();
    LoadCaptionBarButtons(*component, file.fileName());
    ASSERT_EQ(component->Buttons()->Count(), 1);
    EXPECT_EQ(component->ButtonByIndex(0)->Hint(), QStringLiteral("About"));
}

TEST_F(LayoutTest, CopyingTakesPropertiesWithoutStateAndRefusesOtherObjects)
{
    TCaptionButton *source = AddButton(QStringLiteral("Source"));
    source->SetCaption(QStringLiteral("Go"));
    source->SetWidth(40);
    source->SetGroupIndex(3);
    TCaptionButton *target = AddButton();
    component->PaintButtons();
    const TRect rect = Rect(target);
    target->Assign(source);
    EXPECT_EQ(target->Caption(), QStringLiteral("Go"));
    EXPECT_EQ(target->Width(), 40);
    EXPECT_EQ(target->GroupIndex(), 3);
    EXPECT_EQ(target->Name(), source->Name());
    EXPECT_EQ(Rect(target), rect);
    QObject stranger;
    EXPECT_THROW(target->Assign(&stranger), EConvertError);
}

// Heights the form takes, one per resize.
class HeightRecorder : public QObject {
public:
    std::vector<int> heights;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            heights.push_back(static_cast<QResizeEvent *>(event)->size().height());
        return false;
    }
};

// A sizing frame rolls up to the caption as a fixed one does, although its frame and caption
// alone are taller (27 and 24 pixels), and rolls down by the same steps.
TEST_F(LayoutTest, RollingUpStepsBySpeedWhenAnimated)
{
    for (const TFormBorderStyle border : {TFormBorderStyle::bsDialog, TFormBorderStyle::bsSizeable,
                                          TFormBorderStyle::bsSizeToolWin}) {
        SCOPED_TRACE(static_cast<int>(border));
        MakeForm(border, biSystemMenu);
        TCaptionButton *roller = AddButton();
        roller->SetButtonType(btRoller);
        roller->SetAnimate(true);
        roller->SetSpeed(30);
        Show();
        frame->SetHeight(200);
        HeightRecorder recorder;
        form->installEventFilter(&recorder);

        roller->SetRolledUp(true);
        EXPECT_EQ(recorder.heights, (std::vector<int>{170, 140, 110, 80, 50, 23}));
        EXPECT_EQ(form->height(), 23);
        EXPECT_EQ(RunTimeState(*component).savedHeight, 200);
        recorder.heights.clear();
        roller->SetRolledUp(false);
        EXPECT_EQ(recorder.heights, (std::vector<int>{53, 83, 113, 143, 200}));
        form->removeEventFilter(&recorder);
    }
}

// The speed is kept within 1 to 50 pixels a step: a roll never stands still (no division by
// zero) and never takes more than 50 pixels at once.
TEST_F(LayoutTest, RollingUpStepsByASpeedKeptWithinOneToFifty)
{
    TCaptionButton *roller = AddButton();
    roller->SetButtonType(btRoller);
    roller->SetAnimate(true);
    Show();
    const struct {
        int given;
        int step;
    } cases[] = {{0, 1}, {-7, 1}, {51, 50}, {400, 50}, {12, 12}};
    for (const auto &c : cases) {
        roller->SetSpeed(c.given);
        frame->SetHeight(200);
        HeightRecorder recorder;
        form->installEventFilter(&recorder);
        roller->SetRolledUp(true);
        form->removeEventFilter(&recorder);
        roller->SetRolledUp(false);
        // (200 - 19) / step - 1 steps of `step` pixels, then the caption's height.
        ASSERT_EQ(recorder.heights.size(), static_cast<std::size_t>((200 - 19) / c.step))
            << c.given;
        EXPECT_EQ(recorder.heights.front(), 200 - c.step) << c.given;
        EXPECT_EQ(recorder.heights.back(), 23) << c.given;
    }
}

TEST_F(LayoutTest, RollingUpWithoutAnimationJumps)
{
    TCaptionButton *roller = AddButton();
    roller->SetButtonType(btRoller);
    Show();
    frame->SetHeight(200);
    HeightRecorder recorder;
    form->installEventFilter(&recorder);
    roller->SetRolledUp(true);
    EXPECT_EQ(recorder.heights, std::vector<int>{23});
    EXPECT_TRUE(roller->RolledUp());
    roller->SetRolledUp(false);
    EXPECT_EQ(recorder.heights, (std::vector<int>{23, 200}));
}

TEST_F(LayoutTest, RollAndStayTogglesOnlyWorkForTheirTypeAndOutsideMultipleDocuments)
{
    TCaptionButton *plain = AddButton();
    plain->SetRolledUp(true);
    plain->SetStayOnTop(true);
    EXPECT_FALSE(plain->RolledUp());
    EXPECT_FALSE(plain->StayOnTop());

    TCaptionButton *stay = AddButton();
    stay->SetButtonType(btStayOnTop);
    frame->SetFormStyle(TFormStyle::fsMDIChild);
    stay->SetStayOnTop(true);
    EXPECT_FALSE(stay->StayOnTop());
    EXPECT_EQ(frame->FormStyle(), TFormStyle::fsMDIChild);
}

TEST_F(LayoutTest, StayOnTopKeepsTheFormAboveOthersAndBack)
{
    TCaptionButton *stay = AddButton();
    stay->SetButtonType(btStayOnTop);
    Show();
    stay->SetStayOnTop(true);
    EXPECT_EQ(frame->FormStyle(), TFormStyle::fsStayOnTop);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(frame->GetWindowLong(GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(form->isVisible());
    stay->SetStayOnTop(false);
    EXPECT_EQ(frame->FormStyle(), TFormStyle::fsNormal);
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Becoming a stay button again starts from "not on top".
    stay->SetStayOnTop(true);
    stay->SetButtonType(btCustom);
    stay->SetButtonType(btStayOnTop);
    EXPECT_FALSE(stay->StayOnTop());
    EXPECT_EQ(frame->FormStyle(), TFormStyle::fsNormal);
}

// ---- Drawing ------------------------------------------------------------------------------

class DrawingTest : public CaptionFormTest {
protected:
    QImage ButtonPixels(const TCaptionButton &button)
    {
        component->PaintButtons();
        return Inspect(*form).surface.copy(Rect(&button).ToQRect());
    }
    QColor Face() const { return form->palette().color(QPalette::Button); }
};

// The About face has the close box's top and height in both looks, at any scale: pixel column
// for pixel column, the edge of one face shows what the edge of the other does (the caption
// behind them, whose gradient runs sideways, may differ a little).
TEST_F(DrawingTest, FacesLineUpWithTheCloseBox)
{
    for (const bool themed : {false, true}) {
        SCOPED_TRACE(themed ? "visual styles" : "classic");
        MakeForm(TFormBorderStyle::bsDialog, biSystemMenu);
        frame->SetVisualStyles(themed);
        AddButton(QStringLiteral("About"));
        Show();
        component->PaintButtons();
        const QImage &surface = Inspect(*form).surface;
        const qreal scale = surface.devicePixelRatio();
        const QRect close = frame->CloseBoxRect();
        const int about = qRound(Rect(component->ButtonByIndex(0)).Left * scale);
        const int box = qRound(close.left() * scale);
        for (int y = 0; y < qRound((close.bottom() + 4) * scale); ++y) {
            for (const int dx : {0, 1, 2}) {
                const QColor a = surface.pixelColor(about + dx, y);
                const QColor b = surface.pixelColor(box + dx, y);
                const int apart = qMax(qAbs(a.red() - b.red()), qMax(qAbs(a.green() - b.green()),
                                                                     qAbs(a.blue() - b.blue())));
                EXPECT_LE(apart, 12) << "pixel row " << y << ", column " << dx;
            }
        }
    }
}

// The About picture keeps its proportions inside the face's edges: its question mark is half
// again as tall as it is wide, as drawn, not squeezed into the face's shape.
TEST_F(DrawingTest, AboutPictureKeepsItsProportions)
{
    TCaptionButton *about = AddButton(QStringLiteral("About"));
    TBitmap bitmap;
    bitmap.LoadFromResourceName(QStringLiteral("ABOUT"));
    bitmap.SetTransparent(true);
    about->SetBitmap(bitmap);
    Show();
    component->PaintButtons();
    const QRect close = frame->CloseBoxRect();
    const QRect inside =
        QRect(Rect(about).Left, close.top(), 16, close.height()).adjusted(2, 2, -2, -2);
    QRect marked;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (ContrastRatio(Inspect(*form).surface.pixelColor(x, y), Face()) >= 1.5)
                marked |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_GE(marked.height(), 8);
    EXPECT_GE(marked.height() * 2, marked.width() * 3 - 1)
        << marked.width() << " x " << marked.height();
}

// The About picture reads at 4.5:1 or more against the face it stands on, on a light and on a
// dark palette, in both looks: its strongest pixel against the face beside it in the same row.
TEST_F(DrawingTest, AboutPictureStandsOutFromItsFaceOnAnyPalette)
{
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(45, 45, 48));
    dark.setColor(QPalette::Light, QColor(80, 80, 84));
    dark.setColor(QPalette::Midlight, QColor(62, 62, 66));
    dark.setColor(QPalette::Mid, QColor(35, 35, 38));
    dark.setColor(QPalette::Dark, QColor(25, 25, 28));
    dark.setColor(QPalette::Shadow, QColor(0, 0, 0));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(230, 230, 230));
    TBitmap bitmap;
    bitmap.LoadFromResourceName(QStringLiteral("ABOUT"));
    bitmap.SetTransparent(true);
    for (const QPalette &palette : {QPalette(), dark}) {
        for (const bool themed : {false, true}) {
            SCOPED_TRACE((themed ? "visual styles, " : "classic, ") +
                         palette.color(QPalette::Button).name().toStdString());
            MakeForm(TFormBorderStyle::bsDialog, biSystemMenu);
            form->setPalette(palette);
            frame->SetVisualStyles(themed);
            TCaptionButton *about = AddButton(QStringLiteral("About"));
            about->SetBitmap(bitmap);
            Show();
            component->PaintButtons();
            const QImage &surface = Inspect(*form).surface;
            const QRect close = frame->CloseBoxRect();
            const QRect inside =
                QRect(Rect(about).Left, close.top(), 16, close.height()).adjusted(2, 2, -2, -2);
            double strongest = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                const QColor face = surface.pixelColor(inside.left(), y);
                for (int x = inside.left() + 1; x <= inside.right(); ++x)
                    strongest = qMax(strongest, ContrastRatio(surface.pixelColor(x, y), face));
            }
            EXPECT_GE(strongest, 4.5);
        }
    }
}

TEST_F(DrawingTest, ClassicFaceIsRaisedNormallyAndSunkenWhenDown)
{
    TCaptionButton *button = AddButton();
    Show();
    const QImage normal = ButtonPixels(*button);
    EXPECT_EQ(normal.pixelColor(0, 0).rgb(), form->palette().color(QPalette::Light).rgb());
    button->SetGroupIndex(1);
    button->SetDown(true);
    const QImage pushed = ButtonPixels(*button);
    EXPECT_EQ(pushed.pixelColor(0, 0).rgb(), form->palette().color(QPalette::Shadow).rgb());
    // Classic caption buttons draw hot as normal.
    button->SetGroupIndex(0);
    button->SetButtonGlyph(bgClose);
    const QImage closeNormal = ButtonPixels(*button);
    Hover(Centre(Rect(button)));
    ASSERT_TRUE(State(button).mouseInside);
    EXPECT_EQ(ButtonPixels(*button), closeNormal);
}

TEST_F(DrawingTest, BothPathsDrawEachLookDifferently)
{
    for (const bool themed : {false, true}) {
        SCOPED_TRACE(themed ? "visual styles" : "classic");
        MakeForm(TFormBorderStyle::bsDialog, biSystemMenu);
        frame->SetVisualStyles(themed);
        TCaptionButton *button = AddButton();
        button->SetCaption(QStringLiteral("A"));
        Show();
        const QImage normal = ButtonPixels(*button);
        button->SetEnabled(false);
        const QImage disabled = ButtonPixels(*button);
        button->SetEnabled(true);
        button->SetGroupIndex(1);
        button->SetDown(true);
        const QImage pushed = ButtonPixels(*button);
        EXPECT_NE(normal, disabled);
        EXPECT_NE(normal, pushed);
        for (const TButtonGlyph glyph : {bgClose, bgHelp, bgMaximize, bgMinimize, bgRestore}) {
            button->SetButtonGlyph(glyph);
            const QImage image = ButtonPixels(*button);
            EXPECT_GT(image.convertToFormat(QImage::Format_Indexed8).colorCount(), 1) << glyph;
        }
    }
}

TEST_F(DrawingTest, RollerShowsWhatTheNextClickDoesWithoutItsMagentaGround)
{
    TCaptionButton *roller = AddButton();
    roller->SetButtonType(btRoller);
    roller->SetButtonGlyph(bgStayOn);
    Show();
    const QImage up = ButtonPixels(*roller);
    EXPECT_EQ(RunTimeState(*component).glyphBitmap.Image(),
              QImage(QStringLiteral(":/BITMAP/ROLL_UP")));
    for (int y = 0; y < up.height(); ++y) {
        for (int x = 0; x < up.width(); ++x)
            ASSERT_NE(up.pixelColor(x, y).rgb(), qRgb(255, 0, 255)) << x << "," << y;
    }
    // The 12 x 11 image centred in the face narrowed by 1 at the sides, then 2 on every side;
    // the face has the close box's top and height. Where, in the copy of the button's rectangle.
    const TRect rect = Rect(roller);
    const QRect close = frame->CloseBoxRect();
    const int left = 1 + 2 + (rect.Width() - 2 - 4 - 12) / 2;
    const int top = close.top() - rect.Top + 2 + (close.height() - 4 - 11) / 2;
    const QImage image(QStringLiteral(":/BITMAP/ROLL_UP"));
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 12; ++x) {
            if (image.pixelColor(x, y) == Qt::black) {
                EXPECT_EQ(up.pixelColor(left + x, top + y).rgb(), qRgb(0, 0, 0)) << x << "," << y;
            }
        }
    }
    Show();
    frame->SetHeight(200);
    roller->SetRolledUp(true);
    ButtonPixels(*roller);
    EXPECT_EQ(RunTimeState(*component).glyphBitmap.Image(),
              QImage(QStringLiteral(":/BITMAP/ROLL_DOWN")));
}

TEST_F(DrawingTest, OwnerDrawnButtonGetsItsRectangleAndState)
{
    TCaptionButton *button = AddButton();
    button->SetButtonGlyph(bgOwnerDraw);
    std::vector<std::pair<TRect, TOwnerDrawState>> calls;
    QObject *sender = nullptr;
    button->SetOnDrawButton({QStringLiteral("draw"), [&](QObject *from, QPainter &painter,
                                                         TRect rect, TOwnerDrawState state) {
                                 sender = from;
                                 painter.fillRect(rect.ToQRect(), Qt::green);
                                 calls.emplace_back(rect, state);
                             }});
    Show();
    calls.clear();
    Press(Centre(Rect(button)));
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(sender, component);
    EXPECT_EQ(calls.back().first, Rect(button));
    EXPECT_EQ(calls.back().second, TOwnerDrawState(odSelected | odFocused));
    EXPECT_EQ(Inspect(*form).surface.pixelColor(Centre(Rect(button))), QColor(Qt::green));
}

// The caption bar carries the frame's bitmaps and none of the program's other resources: a
// program with a caption bar carries no word lists.
TEST(CaptionBarResources, AreTheFramesBitmapsAlone)
{
    EXPECT_EQ(CarriedResourceTypes(), "BITMAP");
}

} // namespace
} // namespace quillby::test
