// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Centring a box on the screen by its outer frame, whatever order the window manager's news
// comes in.
#include "ui/actions/ScreenCentring_p.h"

#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace quillby {
namespace {

// What happens to the box, one letter a step: S shows it, F gives it the frame of the window
// manager's last word, N tells of that frame, A activates it, R gives it another size, M is
// the user moving it.
class ScreenCentringTest : public ::testing::TestWithParam<std::string> {
protected:
    void Run(const std::string &steps, const QMargins &announced = QMargins(1, 20, 1, 1))
    {
        for (const char step : steps) {
            if (step == 'S') {
                window.show();
                ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            } else if (step == 'F') {
                frame = announced;
            } else if (step == 'N') {
                centring.FrameChanged();
            } else if (step == 'A') {
                QEvent activate(QEvent::WindowActivate);
                QCoreApplication::sendEvent(&window, &activate);
            } else if (step == 'R') {
                window.setFixedSize(300, 150);
            } else if (step == 'M') {
                window.move(window.pos() + QPoint(40, 30));
            }
            QCoreApplication::processEvents();
        }
    }
    // Twice the distance of the outer frame's centre from the screen's, on the worse axis.
    int OffCentreTwice() const
    {
        const QRect outer = window.geometry().marginsAdded(frame);
        const QRect screen = window.screen()->geometry();
        return qMax(qAbs(2 * outer.left() + outer.width() - 2 * screen.left() - screen.width()),
                    qAbs(2 * outer.top() + outer.height() - 2 * screen.top() - screen.height()));
    }

    QWidget window;
    QMargins frame;
    ScreenCentring centring{window, [this] { return frame; }};
};

TEST_P(ScreenCentringTest, OuterFrameEndsCentred)
{
    window.setFixedSize(152, 84);
    Run(GetParam());
    EXPECT_LE(OffCentreTwice(), 1);
}

// Framed before showing; after showing and activation; framed while hidden; framed, then
// resized; activated once framed, with no word of it.
INSTANTIATE_TEST_SUITE_P(Orders, ScreenCentringTest,
                         ::testing::Values("FS", "SAFN", "FNS", "SFNR", "SFA"));

TEST_F(ScreenCentringTest, FrameInStepsAndAUserMove)
{
    window.setFixedSize(152, 84);
    Run("SFN", QMargins(0, 0, 0, 0));
    Run("FN", QMargins(1, 1, 1, 1));
    Run("FN", QMargins(1, 20, 1, 1));
    EXPECT_LE(OffCentreTwice(), 1);
    // A box the user moved stays where it is put, until the window manager frames it anew.
    Run("M");
    const QPoint movedTo = window.pos();
    Run("NA");
    EXPECT_EQ(window.pos(), movedTo);
    Run("FN", QMargins(4, 24, 4, 4));
    EXPECT_LE(OffCentreTwice(), 1);
}

} // namespace
} // namespace quillby
