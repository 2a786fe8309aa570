// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The frame that stands in for the window system's non-client area.
#include "tests/ui/frame/FrameTestSupport.h"

#include "ui/frame/FramedForm_p.h"
#include "ui/frame/SystemColors_p.h"

#include <QSignalSpy>

#include <functional>
#include <utility>

namespace quillby::test {
namespace {

TEST(WindowMessagesTest, MousePositionsTravelAsTwoSixteenBitWords)
{
    struct Case {
        int x;
        int y;
        int low;
        int high;
    };
    const Case cases[] = {{0, 0, 0, 0},
                          {300, 12, 300, 12},
                          {-1, -2, 65535, 65534},
                          {-9, 65527 - 65536, 65527, 65527},
                          {32767, -32768, 32767, 32768}};
    for (const Case &c : cases) {
        const std::intptr_t packed = MakeLParam(c.x, c.y);
        EXPECT_EQ(LoWord(packed), c.low) << c.x;
        EXPECT_EQ(HiWord(packed), c.high) << c.y;
        EXPECT_EQ(SignedLoWord(packed), c.x);
        EXPECT_EQ(SignedHiWord(packed), c.y);
    }
}

TEST(WindowStylesTest, BorderStyleAndIconsGiveTheStyleBits)
{
    struct Case {
        TFormBorderStyle border;
        TBorderIcons icons;
        std::uint32_t style;
        std::uint32_t exStyle;
    };
    const Case cases[] = {
        {TFormBorderStyle::bsDialog, biSystemMenu, WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME},
        {TFormBorderStyle::bsDialog, biSystemMenu | biMinimize | biMaximize,
         WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME},
        {TFormBorderStyle::bsSizeable, biSystemMenu | biMaximize,
         WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MAXIMIZEBOX, 0},
        {TFormBorderStyle::bsSingle, biSystemMenu | biHelp, WS_CAPTION | WS_SYSMENU,
         WS_EX_CONTEXTHELP},
        {TFormBorderStyle::bsSingle, biSystemMenu | biHelp | biMinimize,
         WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0},
        {TFormBorderStyle::bsToolWindow, biSystemMenu, WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW},
        {TFormBorderStyle::bsSizeToolWin, 0, WS_CAPTION | WS_THICKFRAME, WS_EX_TOOLWINDOW},
        {TFormBorderStyle::bsNone, biSystemMenu, 0, 0},
    };
    for (const Case &c : cases) {
        const WindowStyle style = StyleFor(c.border, c.icons);
        EXPECT_EQ(style.Style, c.style) << static_cast<int>(c.border) << " " << c.icons;
        EXPECT_EQ(style.ExStyle, c.exStyle) << static_cast<int>(c.border) << " " << c.icons;
    }
}

using FrameTest = FrameFormTest;

TEST_F(FrameTest, DialogFrameSurroundsTheClientAreaWithFrameAndCaption)
{
    EXPECT_EQ(form->size(), QSize(317 + 6, 161 + 6 + 19));
    EXPECT_EQ(frame->ClientOrigin(), QPoint(3, 22));
    EXPECT_EQ(form->ClientArea()->geometry(), QRect(3, 22, 317, 161));
    EXPECT_EQ(frame->CloseBoxRect(), QRect(323 - 3 - 2 - 16, 5, 16, 14));
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    EXPECT_EQ(form->size(), QSize(317 + 8, 161 + 8 + 19));
    EXPECT_EQ(form->ClientArea()->size(), QSize(317, 161));
}

TEST_F(FrameTest, HitTestNamesEveryPartOfTheWindow)
{
    const struct {
        QPoint at;
        std::intptr_t hit;
    } cases[] = {{{100, 10}, HTCAPTION}, {frame->CloseBoxRect().center(), HTCLOSE},
                 {{100, 100}, HTCLIENT}, {{1, 100}, HTBORDER},
                 {{100, 184}, HTBORDER}, {{-5, 10}, HTNOWHERE}};
    for (const auto &c : cases)
        EXPECT_EQ(frame->Perform(WM_NCHITTEST, 0, Screen(c.at)), c.hit)
            << c.at.x() << "," << c.at.y();
}

TEST_F(FrameTest, SizingFrameHitsEdgesAndCorners)
{
    MakeForm(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize);
    const int w = form->width();
    const int h = form->height();
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen({1, h / 2})), HTLEFT);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen({w - 2, h / 2})), HTRIGHT);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen({w / 2, 1})), HTTOP);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen({w / 2, h - 1})), HTBOTTOM);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen({1, 1})), HTTOPLEFT);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen({w - 1, h - 1})), HTBOTTOMRIGHT);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen(frame->MaxBoxRect().center())), HTMAXBUTTON);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen(frame->MinBoxRect().center())), HTMINBUTTON);
}

TEST_F(FrameTest, CloseBoxClosesOnAReleaseOverIt)
{
    Show();
    const QPoint close = frame->CloseBoxRect().center();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, close);
    QTest::mouseMove(form.get(), QPoint(100, 10));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(100, 10));
    EXPECT_TRUE(form->isVisible());
    QTest::mousePress(form.get(), Qt::LeftButton, {}, close);
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, close);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FrameTest, AltF4Closes)
{
    Show();
    form->activateWindow();
    Flush();
    QTest::keyClick(form.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FrameTest, PressOnTheCaptionDragsTheWindow)
{
    Show();
    const QPoint start = form->pos();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, QPoint(60, 10));
    QTest::mouseMove(form.get(), QPoint(90, 30));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(90, 30));
    EXPECT_EQ(form->pos(), start + QPoint(30, 20));
}

TEST_F(FrameTest, ActivationRedrawsTheCaptionInItsColours)
{
    Show();
    // A caption pixel right of the title and above the line of text.
    const QPoint at(frame->CloseBoxRect().left() - 4, 4);
    frame->Perform(WM_NCACTIVATE, 1, 0);
    const QColor active = Inspect(*form).surface.pixelColor(at);
    frame->Perform(WM_NCACTIVATE, 0, 0);
    const QColor inactive = Inspect(*form).surface.pixelColor(at);
    // The classic active caption runs from dark blue, the inactive one from grey.
    EXPECT_GT(active.blue(), active.red() + 60);
    EXPECT_EQ(inactive.red(), inactive.blue());
}

// What the window procedure draws over the caption at WM_PAINT (as caption buttons are drawn)
// is still there whatever made the frame paint its caption again: every such repaint ends with
// a WM_PAINT through the window procedure before the window shows it.
TEST_F(FrameTest, EveryRepaintOfTheCaptionEndsWithAWmPaintThroughTheWindowProcedure)
{
    const QRect mark(150, 8, 4, 4);
    const TWndMethod inner = frame->WindowProc();
    frame->SetWindowProc([this, inner, mark](TMessage &message) {
        inner(message);
        if (message.Msg == WM_PAINT)
            frame->GetWindowDC()->Painter().fillRect(mark, Qt::green);
    });
    Show();
    const QPoint close = frame->CloseBoxRect().center();
    const std::pair<const char *, std::function<void()>> repaints[] = {
        {"close-box press slid off",
         [&] {
             QTest::mousePress(form.get(), Qt::LeftButton, {}, close);
             QTest::mouseMove(form.get(), QPoint(100, 10));
             QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(100, 10));
         }},
        {"theme change",
         [&] {
             QEvent change(QEvent::StyleChange);
             QCoreApplication::sendEvent(form.get(), &change);
         }},
        {"palette change",
         [&] {
             QEvent change(QEvent::ApplicationPaletteChange);
             QCoreApplication::sendEvent(form.get(), &change);
         }},
        {"deactivation", [&] { frame->Perform(WM_NCACTIVATE, 0, 0); }},
        {"title change", [&] { form->setWindowTitle(QStringLiteral("Other")); }},
    };
    for (const auto &[what, repaint] : repaints) {
        repaint();
        // What the window shows, as soon as it shows it and once the event loop is idle.
        EXPECT_EQ(form->grab().toImage().pixelColor(mark.topLeft()), QColor(Qt::green)) << what;
        Flush();
        EXPECT_EQ(form->grab().toImage().pixelColor(mark.topLeft()), QColor(Qt::green)) << what;
    }
    EXPECT_TRUE(form->isVisible());
}

// The inactive caption's title reads at least 4.5:1 against both ends of its gradient, in both
// drawing paths, on a light and on a dark palette.
TEST_F(FrameTest, InactiveCaptionTextStandsOutFromItsCaption)
{
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Dark, QPalette::Mid})
        dark.setColor(role, QColor(50, 50, 50));
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    for (const QPalette &palette : {QPalette(), dark}) {
        for (const bool themed : {false, true}) {
            const QColor text = ColorToRGB(clInactiveCaptionText, palette, themed);
            for (const TColor ground : {clInactiveCaption, clGradientInactiveCaption}) {
                EXPECT_GE(ContrastRatio(text, ColorToRGB(ground, palette, themed)), 4.5)
                    << (themed ? "visual styles " : "classic ")
                    << palette.color(QPalette::Dark).name().toStdString();
            }
        }
    }
}

TEST_F(FrameTest, TitleChangesAndMetricsChangesTravelAsMessages)
{
    reached.clear();
    form->setWindowTitle(QStringLiteral("Other"));
    EXPECT_EQ(Reached(WM_SETTEXT), 1u);
    frame->SetMetrics(ExampleMetrics());
    EXPECT_EQ(Reached(WM_SETTINGCHANGE), 1u);
}

TEST_F(FrameTest, MouseOverTheFrameBecomesNonClientMessagesAfterAHitTest)
{
    Show();
    reached.clear();
    QTest::mouseMove(form.get(), QPoint(100, 10));
    ASSERT_GE(reached.size(), 2u);
    EXPECT_EQ(reached[reached.size() - 2], WM_NCHITTEST);
    EXPECT_EQ(reached.back(), WM_NCMOUSEMOVE);
}

} // namespace
} // namespace quillby::test
