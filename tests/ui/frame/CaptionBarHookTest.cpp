// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The caption-bar buttons' window hook: mouse, hints, clicks, groups and what reaches the form.
#include "tests/ui/frame/CaptionTestSupport.h"
#include "ui/frame/HintWindow_p.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace quillby::test {
namespace {

using HookTest = CaptionFormTest;

TEST_F(HookTest, PressMoveOffAndBackThenReleaseClicksOnceWithTheFormAsSender)
{
    TCaptionButton *button = AddButton();
    Show();
    const QPoint on = Centre(Rect(button));
    Press(on);
    EXPECT_TRUE(State(button).pressed);
    EXPECT_TRUE(State(button).armed);
    EXPECT_TRUE(Inspect(*form).captured);
    // A captured move to the client area leaves the button; a move back returns to it.
    CapturedMove(on + QPoint(0, 60));
    EXPECT_FALSE(State(button).mouseInside);
    CapturedMove(on);
    EXPECT_TRUE(State(button).mouseInside);
    Release(on);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].button, button);
    EXPECT_EQ(clicks[0].sender, form.get());
    EXPECT_FALSE(State(button).pressed);
    EXPECT_FALSE(Inspect(*form).captured);
    EXPECT_EQ(Reached(WM_NCLBUTTONDOWN), 0u);
}

TEST_F(HookTest, ReleaseElsewhereClicksNothingAndDisarms)
{
    TCaptionButton *button = AddButton();
    Show();
    const QPoint on = Centre(Rect(button));
    Press(on);
    CapturedMove(on + QPoint(0, 80));
    Release(on + QPoint(0, 80));
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(State(button).armed);
    EXPECT_FALSE(State(button).pressed);
}

TEST_F(HookTest, CapturedMovesReadTheWordsAsUnsignedNumbers)
{
    TCaptionButton *button = AddButton();
    component->PaintButtons();
    const TRect rect = Rect(button);
    struct Case {
        int clientX;
        int clientY;
        bool inside;
    };
    // Test point (x + 4, 65536 - y): a cursor 9 above the client area tests at y 9, inside the
    // button's rows 6 to 20 widened by one; one in the client area tests far below.
    const Case cases[] = {{rect.Left - 4, -9, true},  {rect.Left - 5 - 1, -9, false},
                          {rect.Right - 4, -9, true}, {rect.Right - 4 + 1, -9, false},
                          {rect.Left - 4, -5, true},  {rect.Left - 4, -4, false},
                          {rect.Left - 4, -20, true}, {rect.Left - 4, -21, false},
                          {rect.Left - 4, 30, false}};
    for (const Case &c : cases) {
        Send(WM_MOUSEMOVE, 0, MakeLParam(c.clientX, c.clientY));
        EXPECT_EQ(State(button).mouseInside, c.inside) << c.clientX << "," << c.clientY;
    }
}

TEST_F(HookTest, DoubleClickIsASecondPressAndNeverMaximises)
{
    MakeForm(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize);
    TCaptionButton *button = AddButton();
    Show();
    const QPoint on = Centre(Rect(button));
    Press(on);
    Release(on);
    Send(WM_NCLBUTTONDBLCLK, HTCAPTION, Screen(on));
    Release(on);
    EXPECT_EQ(clicks.size(), 2u);
    EXPECT_EQ(Reached(WM_NCLBUTTONDBLCLK), 0u);
    EXPECT_EQ(Reached(WM_NCLBUTTONDOWN), 0u);
    Flush();
    EXPECT_FALSE(form->isMaximized());
    // The same double click beside the button maximises the form, as the caption does.
    Send(WM_NCLBUTTONDBLCLK, HTCAPTION, Screen(QPoint(40, 10)));
    EXPECT_EQ(Reached(WM_NCLBUTTONDBLCLK), 1u);
}

TEST_F(HookTest, HintShowsOnceBelowTheCursorAndNotAgainAfterAClick)
{
    TCaptionButton *button = AddButton(QStringLiteral("About"));
    Show();
    const QPoint on = Centre(Rect(button));
    const QPoint screenOn = form->mapToGlobal(on);
    QCursor::setPos(screenOn);
    Hover(on);
    THintWindow *hint = State(button).hintWindow.get();
    ASSERT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->Text(), QStringLiteral("About"));
    EXPECT_EQ(hint->geometry().top(), QCursor::pos().y() + 10);
    EXPECT_EQ(hint->geometry().left(), QCursor::pos().x());
    // Still over the button: the hint stays where it was shown.
    const QRect shownAt = hint->geometry();
    QCursor::setPos(screenOn + QPoint(2, 1));
    Hover(on + QPoint(2, 1));
    EXPECT_EQ(hint->geometry(), shownAt);

    Press(on);
    EXPECT_FALSE(hint->isVisible());
    Release(on);
    Hover(on);
    EXPECT_FALSE(hint->isVisible());
    // Leaving the button and coming back shows it again.
    Hover(QPoint(40, 10));
    Hover(on);
    EXPECT_TRUE(hint->isVisible());
    Send(WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(hint->isVisible());
    EXPECT_EQ(Reached(WM_MOUSELEAVE), 1u);
}

TEST_F(HookTest, ADeletedButtonTakesItsHintWindowAlong)
{
    TCaptionButton *button = AddButton(QStringLiteral("About"));
    Show();
    Hover(Centre(Rect(button)));
    const QPointer<THintWindow> hint = State(button).hintWindow.get();
    ASSERT_TRUE(hint && hint->isVisible());
    component->Buttons()->Delete(0);
    EXPECT_TRUE(hint.isNull());
}

TEST_F(HookTest, BlankHintNeverShows)
{
    for (const QString &blank : {QString(), QStringLiteral("   "), QStringLiteral(" \t\x01 ")}) {
        MakeForm(TFormBorderStyle::bsDialog, biSystemMenu);
        TCaptionButton *button = AddButton(blank);
        Show();
        Hover(Centre(Rect(button)));
        EXPECT_TRUE(State(button).mouseInside);
        EXPECT_FALSE(State(button).hintWindow.get()->isVisible()) << blank.toStdString();
    }
}

TEST_F(HookTest, RightPressReachesTheFormOnAButtonButNotBesideIt)
{
    AddButton();
    TCaptionButton *second = AddButton();
    AddButton();
    Show();
    Send(WM_NCRBUTTONDOWN, HTCAPTION, Screen(Centre(Rect(second))));
    EXPECT_EQ(Reached(WM_NCRBUTTONDOWN), 1u);
    Send(WM_NCRBUTTONDOWN, HTCAPTION, Screen(QPoint(40, 10)));
    EXPECT_EQ(Reached(WM_NCRBUTTONDOWN), 1u);
}

TEST_F(HookTest, PopupMenuOpensAtTheCursor)
{
    TCaptionButton *button = AddButton();
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    button->SetPopupMenu(&menu);
    Show();
    const QPoint on = Centre(Rect(button));
    QCursor::setPos(form->mapToGlobal(on));
    QPoint openedAt;
    QTimer::singleShot(0, &menu, [&] {
        openedAt = menu.pos();
        menu.close();
    });
    Send(WM_NCRBUTTONDOWN, HTCAPTION, Screen(on));
    EXPECT_EQ(openedAt, QCursor::pos());
    EXPECT_EQ(Reached(WM_NCRBUTTONDOWN), 1u);
}

TEST_F(HookTest, DropDownMenuOpensUnderTheButtonBeforeOnClick)
{
    TCaptionButton *button = AddButton();
    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    button->SetDropDownMenu(&menu);
    Show();
    std::size_t clicksWhenOpen = 99;
    QPoint openedAt;
    QTimer::singleShot(0, &menu, [&] {
        openedAt = menu.pos();
        clicksWhenOpen = clicks.size();
        menu.close();
    });
    const QPoint on = Centre(Rect(button));
    Press(on);
    Release(on);
    EXPECT_EQ(openedAt,
              QPoint(frame->Left() + Rect(button).Left, frame->Top() + Rect(button).Bottom + 1));
    EXPECT_EQ(clicksWhenOpen, 0u);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(HookTest, LeftPressOnAnyOfSeveralButtonsNeverReachesTheForm)
{
    for (const int count : {2, 3}) {
        MakeForm(TFormBorderStyle::bsDialog, biSystemMenu);
        std::vector<TCaptionButton *> buttons;
        for (int i = 0; i < count; ++i)
            buttons.push_back(AddButton());
        Show();
        for (TCaptionButton *button : buttons) {
            const QPoint on = Centre(Rect(button));
            Press(on);
            Release(on);
            Send(WM_NCLBUTTONDBLCLK, HTCAPTION, Screen(on));
            Release(on);
        }
        EXPECT_EQ(Reached(WM_NCLBUTTONDOWN), 0u) << count;
        EXPECT_EQ(Reached(WM_NCLBUTTONDBLCLK), 0u) << count;
        EXPECT_EQ(clicks.size(), 2u * count);
        // A press on the caption beside them goes on, and so does every hit test.
        Press(QPoint(40, 10));
        EXPECT_EQ(Reached(WM_NCLBUTTONDOWN), 1u) << count;
        EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen(QPoint(40, 10))), HTCAPTION);
        frame->ReleaseCapture();
        QWidget *grabber = QWidget::mouseGrabber();
        if (grabber)
            grabber->releaseMouse();
    }
}

TEST_F(HookTest, DisabledButtonTakesNoPressAndLeavesTheFrameWorking)
{
    TCaptionButton *button = AddButton();
    button->SetEnabled(false);
    Show();
    const QPoint on = Centre(Rect(button));
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen(on)), HTCAPTION);
    EXPECT_EQ(Send(WM_NCHITTEST, 0, Screen(frame->CloseBoxRect().center())), HTCLOSE);
    Send(WM_NCLBUTTONDOWN, HTCLOSE, Screen(frame->CloseBoxRect().center()));
    EXPECT_EQ(Reached(WM_NCLBUTTONDOWN), 1u);
    EXPECT_FALSE(State(button).pressed);
    QWidget *grabber = QWidget::mouseGrabber();
    if (grabber)
        grabber->releaseMouse();
}

TEST_F(HookTest, EmptyCollectionPassesEveryMessageOn)
{
    Show();
    reached.clear();
    const std::uint32_t messages[] = {
        WM_NCHITTEST, WM_NCMOUSEMOVE,        WM_NCLBUTTONUP, WM_NCRBUTTONDOWN,   WM_MOUSEMOVE,
        WM_LBUTTONUP, WM_MOUSELEAVE,         WM_NCACTIVATE,  WM_SETTINGCHANGE,   WM_ACTIVATE,
        WM_PAINT,     CM_CAPTIONBUTTONGROUP, WM_NCPAINT,     WM_NCLBUTTONDBLCLK, WM_NCLBUTTONDOWN};
    for (const std::uint32_t msg : messages)
        Send(msg, HTCAPTION, Screen(QPoint(40, 10)));
    // The caption press ends in the frame's own move command, which is no message of ours.
    std::erase(reached, WM_SYSCOMMAND);
    EXPECT_EQ(reached, std::vector<std::uint32_t>(std::begin(messages), std::end(messages)));
    QWidget *grabber = QWidget::mouseGrabber();
    if (grabber)
        grabber->releaseMouse();
}

TEST_F(HookTest, DownStaysUpOutsideAGroup)
{
    TCaptionButton *button = AddButton();
    button->SetDown(true);
    EXPECT_FALSE(button->Down());
}

class GroupTest : public CaptionFormTest {
protected:
    void MakeGroup(bool allowAllUp)
    {
        for (int i = 0; i < 3; ++i) {
            TCaptionButton *button = AddButton();
            button->SetGroupIndex(1);
            group.push_back(button);
        }
        // One change of AllowAllUp is shared with the whole group.
        group[2]->SetAllowAllUp(allowAllUp);
        Show();
    }
    void ClickOn(TCaptionButton *button)
    {
        const QPoint on = Centre(Rect(button));
        Press(on);
        Release(on);
    }
    std::vector<bool> Downs() const
    {
        std::vector<bool> downs;
        for (const TCaptionButton *button : group)
            downs.push_back(button->Down());
        return downs;
    }
    std::vector<TCaptionButton *> group;
};

TEST_F(GroupTest, WithoutAllowAllUpOneMemberIsAlwaysDownAndNoActionRuns)
{
    MakeGroup(false);
    group[0]->SetDown(true);
    EXPECT_EQ(Downs(), (std::vector<bool>{true, false, false}));
    ClickOn(group[1]);
    EXPECT_EQ(Downs(), (std::vector<bool>{false, true, false}));
    ClickOn(group[1]);
    EXPECT_EQ(Downs(), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(clicks.empty());
    // Down := False on a member of such a group keeps it down.
    group[1]->SetDown(false);
    EXPECT_TRUE(group[1]->Down());
}

TEST_F(GroupTest, WithAllowAllUpTheSecondClickRaisesAndActs)
{
    MakeGroup(true);
    for (const TCaptionButton *button : group)
        EXPECT_TRUE(button->AllowAllUp());
    ClickOn(group[0]);
    EXPECT_EQ(Downs(), (std::vector<bool>{true, false, false}));
    EXPECT_TRUE(clicks.empty());
    ClickOn(group[2]);
    EXPECT_EQ(Downs(), (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(clicks.empty());
    ClickOn(group[2]);
    EXPECT_EQ(Downs(), (std::vector<bool>{false, false, false}));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].button, group[2]);
}

TEST_F(GroupTest, RollerInAGroupRollsOnlyWhenRaised)
{
    MakeGroup(true);
    group[0]->SetButtonType(btRoller);
    frame->SetHeight(200);
    ClickOn(group[0]);
    EXPECT_FALSE(group[0]->RolledUp());
    ClickOn(group[0]);
    EXPECT_TRUE(group[0]->RolledUp());
    EXPECT_EQ(form->height(), 23);
}

TEST_F(GroupTest, GroupIndexZeroClearsDownAndAllowAllUp)
{
    MakeGroup(true);
    group[0]->SetDown(true);
    group[0]->SetGroupIndex(0);
    EXPECT_FALSE(group[0]->Down());
    EXPECT_FALSE(group[0]->AllowAllUp());
    // A member compares its whole index with the low 16 bits that travel: 65537 is not 1.
    group[1]->SetGroupIndex(65537);
    group[1]->SetDown(true);
    group[2]->SetDown(true);
    EXPECT_TRUE(group[1]->Down());
    EXPECT_TRUE(group[2]->Down());
}

TEST_F(HookTest, GroupMessageFromSomethingElseIsIgnored)
{
    TCaptionButton *button = AddButton();
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    button->SetDown(true);
    int stranger = 0;
    EXPECT_EQ(CM_CAPTIONBUTTONGROUP, 1124u); // the user message base plus 100
    Send(CM_CAPTIONBUTTONGROUP, reinterpret_cast<std::uintptr_t>(&stranger), 1);
    EXPECT_TRUE(button->Down());
}

TEST_F(HookTest, MetricsChangeWidensButtonsToTheCaptionBoxWidth)
{
    TCaptionButton *button = AddButton();
    Show();
    component->PaintButtons();
    EXPECT_EQ(Rect(button).Width(), 16);
    frame->SetMetrics(ExampleMetrics());
    EXPECT_EQ(RunTimeState(*component).defaultWidth, 18);
    EXPECT_EQ(Rect(button).Width(), 18);
    EXPECT_EQ(Send(WM_SETTINGCHANGE, 0, 0), 0);

    MakeForm(TFormBorderStyle::bsToolWindow, biSystemMenu);
    TCaptionButton *tool = AddButton();
    component->PaintButtons();
    EXPECT_EQ(Rect(tool).Width(), 10);
    SystemMetrics bigger = ExampleMetrics();
    bigger.Set(SM_CXSIZE, 22);
    frame->SetMetrics(bigger);
    EXPECT_EQ(Rect(tool).Width(), 22);
    EXPECT_EQ(RunTimeState(*component).buttonHeight, 18 - 4);
}

// Another palette or style is no change of the system's metrics: the buttons keep the width of
// the caption boxes.
TEST_F(HookTest, PaletteAndStyleChangesKeepTheCaptionBoxWidth)
{
    TCaptionButton *button = AddButton();
    Show();
    component->PaintButtons();
    ASSERT_EQ(Rect(button).Width(), frame->CloseBoxRect().width());
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Button, QColor(45, 45, 48));
    QApplication::setPalette(dark);
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(form.get(), &change);
    Flush();
    QApplication::setPalette(before);
    Flush();
    EXPECT_EQ(Rect(button).Width(), frame->CloseBoxRect().width());
    EXPECT_EQ(RunTimeState(*component).defaultWidth, frame->CloseBoxRect().width());
}

TEST_F(HookTest, VisibleChangeRedrawsTheCaptionAsActive)
{
    TCaptionButton *button = AddButton();
    Show();
    reached.clear();
    button->SetVisible(false);
    EXPECT_EQ(Reached(WM_NCACTIVATE), 1u);
    EXPECT_TRUE(Inspect(*form).captionActive);
}

TEST_F(HookTest, DestroyingTheComponentPutsTheFormsProcedureBack)
{
    AddButton();
    delete component;
    component = nullptr;
    reached.clear();
    Send(WM_NCLBUTTONDOWN, HTNOWHERE, Screen(QPoint(290, 12)));
    EXPECT_EQ(Reached(WM_NCLBUTTONDOWN), 1u);
}

} // namespace
} // namespace quillby::test
