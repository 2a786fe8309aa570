// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Centring a box on the screen by its outer frame, whatever order the window manager's news
// comes in.
#include "ui/actions/ScreenCentring_p.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace quillby {
namespace {

// What happens to the box, one step at a time.
struct Step {
    enum Kind { Show, Frame, Notice, Resize, Activate, UserMove } kind;
    QMargins frame = {};
    QSize size = {};
};

struct OrderCase {
    const char *name;
    std::vector<Step> steps;
};

void PrintTo(const OrderCase &c, std::ostream *out)
{
    *out << c.name;
}

const QMargins kFrame(1, 20, 1, 1);

class ScreenCentringTest : public ::testing::TestWithParam<OrderCase> {
protected:
    void Run(const std::vector<Step> &steps)
    {
        for (const Step &step : steps) {
            switch (step.kind) {
            case Step::Show:
                window.show();
                ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
                break;
            case Step::Frame:
                frame = step.frame;
                break;
            case Step::Notice:
                centring.FrameChanged();
                break;
            case Step::Resize:
                window.setFixedSize(step.size);
                break;
            case Step::Activate: {
                QEvent activate(QEvent::WindowActivate);
                QCoreApplication::sendEvent(&window, &activate);
                break;
            }
            case Step::UserMove:
                window.move(window.pos() + QPoint(40, 30));
                movedTo = window.geometry().topLeft();
                break;
            }
            QCoreApplication::processEvents();
        }
    }

    // Twice the distance of the outer frame's centre from the screen's, on each axis.
    QPoint OffCentreTwice() const
    {
        const QRect outer = window.geometry().marginsAdded(frame);
        const QRect screen = window.screen()->geometry();
        return {2 * outer.left() + outer.width() - (2 * screen.left() + screen.width()),
                2 * outer.top() + outer.height() - (2 * screen.top() + screen.height())};
    }

    QWidget window;
    QMargins frame;
    ScreenCentring centring{window, [this] { return frame; }};
    QPoint movedTo;
};

TEST_P(ScreenCentringTest, OuterFrameEndsCentred)
{
    window.setFixedSize(152, 84);
    Run(GetParam().steps);
    const QPoint off = OffCentreTwice();
    EXPECT_LE(std::abs(off.x()), 1) << off.x();
    EXPECT_LE(std::abs(off.y()), 1) << off.y();
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ScreenCentringTest,
    ::testing::Values(OrderCase{"FrameKnownBeforeShowing", {{Step::Frame, kFrame}, {Step::Show}}},
                      OrderCase{
                          "FrameAfterShowingAndActivation",
                          {{Step::Show}, {Step::Activate}, {Step::Frame, kFrame}, {Step::Notice}}},
                      OrderCase{"FrameInSteps",
                                {{Step::Show},
                                 {Step::Frame, QMargins(0, 0, 0, 0)},
                                 {Step::Notice},
                                 {Step::Frame, QMargins(1, 1, 1, 1)},
                                 {Step::Notice},
                                 {Step::Frame, kFrame},
                                 {Step::Notice}}},
                      OrderCase{"NoticeWhileHiddenThenShown",
                                {{Step::Frame, kFrame}, {Step::Notice}, {Step::Show}}},
                      OrderCase{"FrameThenAnotherSize",
                                {{Step::Show},
                                 {Step::Frame, kFrame},
                                 {Step::Notice},
                                 {Step::Resize, {}, QSize(300, 150)}}},
                      OrderCase{"ActivatedOnceFramedWithoutNotice",
                                {{Step::Show}, {Step::Frame, kFrame}, {Step::Activate}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScreenCentringTest, AWindowTheUserMovesStaysWherePut)
{
    window.setFixedSize(152, 84);
    Run({{Step::Show},
         {Step::Frame, kFrame},
         {Step::Notice},
         {Step::UserMove},
         {Step::Notice},
         {Step::Activate}});
    EXPECT_EQ(window.geometry().topLeft(), movedTo);
    // Another frame centres it again.
    Run({{Step::Frame, QMargins(4, 24, 4, 4)}, {Step::Notice}});
    EXPECT_LE(std::abs(OffCentreTwice().y()), 1);
}

} // namespace
} // namespace quillby
