// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/FramedForm.h"
#include "ui/frame/FramedForm_p.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace quillby::test {

// The metrics of the worked example: caption boxes 18 x 18, a 4-pixel sizing frame, 2-pixel
// edges, a 3-pixel dialog frame, a 19-pixel caption.
inline SystemMetrics ExampleMetrics()
{
    SystemMetrics metrics;
    metrics.Set(SM_CXSIZE, 18);
    metrics.Set(SM_CYSIZE, 18);
    metrics.Set(SM_CYFRAME, 4);
    metrics.Set(SM_CXFRAME, 4);
    metrics.Set(SM_CYEDGE, 2);
    metrics.Set(SM_CXDLGFRAME, 3);
    metrics.Set(SM_CYDLGFRAME, 3);
    metrics.Set(SM_CYCAPTION, 19);
    metrics.Set(SM_CXSMSIZE, 12);
    metrics.Set(SM_CYSMSIZE, 15);
    return metrics;
}

// What the tests read of a form's frame.
inline FrameInspection Inspect(const FramedForm &form)
{
    return FramedFormPrivate::Get(form).Inspect();
}

// A framed form like the main window (dialog frame, close box only, 317 x 161 client area),
// whose own window procedure records what reaches it.
class FrameFormTest : public ::testing::Test {
protected:
    void SetUp() override { MakeForm(TFormBorderStyle::bsDialog, biSystemMenu); }

    virtual void MakeForm(TFormBorderStyle border, TBorderIcons icons)
    {
        reached.clear();
        form = std::make_unique<FramedForm>();
        frame = &FramedFormPrivate::Get(*form);
        frame->SetMetrics(ExampleMetrics());
        form->SetBorderStyle(border);
        form->SetBorderIcons(icons);
        frame->SetVisualStyles(false);
        form->SetClientSize({317, 161});
        form->setWindowTitle(QStringLiteral("Spelling Lists"));
        form->move(200, 150);
        const TWndMethod own = frame->WindowProc();
        frame->SetWindowProc([this, own](TMessage &message) {
            reached.push_back(message.Msg);
            own(message);
        });
    }

    void Show()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        Flush();
    }

    static void Flush()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // A screen-coordinate lParam for a point in window coordinates.
    std::intptr_t Screen(QPoint windowPoint) const
    {
        return MakeLParam(frame->Left() + windowPoint.x(), frame->Top() + windowPoint.y());
    }
    // A client-coordinate lParam for a point in window coordinates.
    std::intptr_t Client(QPoint windowPoint) const
    {
        const QPoint client = windowPoint - frame->ClientOrigin();
        return MakeLParam(client.x(), client.y());
    }
    static QPoint Centre(const TRect &rect)
    {
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }

    std::intptr_t Send(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam)
    {
        return frame->Perform(msg, wParam, lParam);
    }
    // Press and release over window points, as the frame sends them: the press as a non-client
    // message, the release as a client message because the press captured the mouse.
    void Press(QPoint at) { Send(WM_NCLBUTTONDOWN, HTCAPTION, Screen(at)); }
    void Release(QPoint at) { Send(WM_LBUTTONUP, 0, Client(at)); }
    void CapturedMove(QPoint at) { Send(WM_MOUSEMOVE, MK_LBUTTON, Client(at)); }
    void Hover(QPoint at) { Send(WM_NCMOUSEMOVE, HTCAPTION, Screen(at)); }

    std::size_t Reached(std::uint32_t msg) const
    {
        return static_cast<std::size_t>(std::count(reached.begin(), reached.end(), msg));
    }

    std::unique_ptr<FramedForm> form;
    // The form's window-system side, which the frame's tests drive.
    FramedFormPrivate *frame = nullptr;
    std::vector<std::uint32_t> reached;
};

} // namespace quillby::test
