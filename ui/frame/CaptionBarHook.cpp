// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The component's window hook: which messages it takes, and what each does for one button.
#include "ui/frame/CaptionBarButtons_p.h"

#include "ui/frame/CaptionBarState_p.h"

#include <QFontMetrics>

namespace quillby {

namespace {

enum class Entry { None, Paint, RequestRepaint, Action };

struct Route {
    Entry entry;
    bool needsEnabled;
};

Route RouteFor(std::uint32_t msg)
{
    switch (msg) {
    case WM_ACTIVATE:
    case WM_PAINT:
    case WM_WINDOWPOSCHANGING:
        return {Entry::Paint, false};
    case WM_NCPAINT:
    case WM_SETTEXT:
        return {Entry::RequestRepaint, false};
    case WM_NCACTIVATE:
        return {Entry::RequestRepaint, true};
    case WM_NCHITTEST:
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE:
        return {Entry::Action, true};
    case CM_CAPTIONBUTTONGROUP:
    case WM_SETTINGCHANGE:
        return {Entry::Action, false};
    default:
        return {Entry::None, false};
    }
}

// Trim: blanks and control characters off both ends.
QString TrimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= u' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

// Every message of the form comes here first. Each button runs the action the message calls
// for; the form then gets the message unless the buttons keep it. Each message is decided on
// its own: a left press or double click that lands on a button never reaches the form; a right
// press reaches it when it lands on a button and not when it lands beside them on the frame;
// every other message reaches it.
void TCaptionBarButtons::HookWndProc(TMessage &message)
{
    const Route route = RouteFor(message.Msg);
    if (!ownerForm_ || buttons_->Count() == 0 || route.entry == Entry::None) {
        if (savedWndProc_)
            savedWndProc_(message);
        return;
    }

    PassVotes votes;
    PassVotes *const outer = std::exchange(votes_, &votes);
    // By index: an action may run a handler that changes the collection.
    for (int i = 0; i < buttons_->Count() && ownerForm_; ++i) {
        TCaptionButton &button = *buttons_->Items(i);
        if (route.needsEnabled && !button.Enabled())
            continue;
        switch (route.entry) {
        case Entry::Paint:
            SetPassOn(true);
            PaintButtons();
            break;
        case Entry::RequestRepaint:
            SetPassOn(true);
            if (button.Visible())
                RequestRepaint(button);
            break;
        case Entry::Action:
            RunAction(button, message);
            break;
        case Entry::None:
            break;
        }
    }
    votes_ = outer;

    const bool pass = message.Msg == WM_MOUSELEAVE || !votes.swallow ||
                      (message.Msg == WM_NCRBUTTONDOWN && votes.pass);
    if (pass && savedWndProc_)
        savedWndProc_(message);
}

void TCaptionBarButtons::RunAction(TCaptionButton &button, TMessage &message)
{
    switch (message.Msg) {
    case WM_NCHITTEST:
        HitTracking(button, message);
        break;
    case WM_NCMOUSEMOVE:
        Hover(button, message);
        break;
    case WM_NCLBUTTONDOWN:
        Press(button, message);
        break;
    case WM_NCLBUTTONDBLCLK:
        DoubleClickAsPress(button, message);
        break;
    case WM_NCLBUTTONUP:
        NonClientRelease(button, message);
        break;
    case WM_NCRBUTTONDOWN:
        ContextMenu(button, message);
        break;
    case WM_MOUSEMOVE:
        CapturedMove(button, message);
        break;
    case WM_LBUTTONUP:
        ReleaseAndClick(button, message);
        break;
    case WM_MOUSELEAVE:
        HideHint(button);
        break;
    case CM_CAPTIONBUTTONGROUP:
        GroupUpdate(button, message);
        break;
    case WM_SETTINGCHANGE:
        MetricsChange(message);
        break;
    default:
        break;
    }
}

QPoint TCaptionBarButtons::WindowPoint(const TMessage &message) const
{
    return QPoint(SignedLoWord(message.LParam), SignedHiWord(message.LParam)) -
           QPoint(ownerForm_->Left(), ownerForm_->Top());
}

// Asks for the button to be drawn at the next WM_PAINT. The form reads the rectangle in client
// coordinates, so this marks that part of the client area, and the paint that follows draws
// every button.
void TCaptionBarButtons::RequestRepaint(const TCaptionButton &button) const
{
    const CaptionButtonState *state = state_->Find(button);
    if (ownerForm_ && state)
        ownerForm_->InvalidateRect(state->buttonRect, false);
}

void TCaptionBarButtons::ShowHint(const TCaptionButton &button)
{
    THintWindow &hint = *state_->Of(button).hintWindow;
    const QPoint cursor = ownerForm_->CursorPos();
    const int textWidth = hint.fontMetrics().horizontalAdvance(button.Hint());
    const TRect area{cursor.x(), cursor.y() + 10, cursor.x() + 7 + textWidth, cursor.y() + 25};
    hint.ActivateHint(area.ToQRect(), button.Hint());
}

void TCaptionBarButtons::HideHint(const TCaptionButton &button) const
{
    if (const CaptionButtonState *state = state_->Find(button))
        state->hintWindow->ReleaseHandle();
}

void TCaptionBarButtons::HitTracking(const TCaptionButton &button, const TMessage &message)
{
    CaptionButtonState &state = state_->Of(button);
    SetPassOn(true);
    if (!button.Visible())
        return;
    if (state.pressed) {
        const bool inside = state.buttonRect.Contains(WindowPoint(message));
        if (inside != state.mouseInside) {
            state.mouseInside = inside;
            RequestRepaint(button);
        }
    }
    if (!state.mouseInside)
        HideHint(button);
    state.lastPressed = state.pressed;
    state.lastMouseInside = state.mouseInside;
}

void TCaptionBarButtons::Hover(const TCaptionButton &button, const TMessage &message)
{
    CaptionButtonState &state = state_->Of(button);
    SetPassOn(true);
    if (!button.Visible())
        return;
    state.lastPressed = state.pressed;
    state.lastMouseInside = state.mouseInside;
    if (state.buttonRect.Contains(WindowPoint(message))) {
        state.mouseInside = true;
        if (!state.hintShown && !TrimBlanks(button.Hint()).isEmpty())
            ShowHint(button);
        state.hintShown = true;
    } else {
        state.mouseInside = false;
        HideHint(button);
        state.hintShown = false;
    }
    if (state.pressed != state.lastPressed || state.mouseInside != state.lastMouseInside) {
        RequestRepaint(button);
        state.lastPressed = state.pressed;
        state.lastMouseInside = state.mouseInside;
    }
}

void TCaptionBarButtons::Press(const TCaptionButton &button, const TMessage &message)
{
    CaptionButtonState &state = state_->Of(button);
    SetPassOn(true);
    if (!button.Visible())
        return;
    state.hintShown = false;
    HideHint(button);
    ownerForm_->SetForegroundWindow();
    const bool wasPressed = state.pressed;
    const bool onButton = state.buttonRect.Contains(WindowPoint(message));
    if (onButton) {
        state.armed = true;
        state.pressed = true;
        state.mouseInside = true;
        ownerForm_->SetCapture();
    } else {
        state.pressed = false;
        state.mouseInside = false;
    }
    // A press on a button neither reaches the form nor starts the drag by the caption.
    if (state.pressed != wasPressed || onButton)
        SetPassOn(false);
    state.lastPressed = state.pressed;
    state.lastMouseInside = state.mouseInside;
    PaintButtons();
}

// A double click on a button is a second press; it never maximizes or restores the form.
void TCaptionBarButtons::DoubleClickAsPress(const TCaptionButton &button, const TMessage &message)
{
    CaptionButtonState &state = state_->Of(button);
    SetPassOn(true);
    if (!button.Visible())
        return;
    if (state.buttonRect.Contains(WindowPoint(message))) {
        SetPassOn(false);
        ownerForm_->Perform(WM_NCLBUTTONDOWN, message.WParam, message.LParam);
    }
}

void TCaptionBarButtons::NonClientRelease(const TCaptionButton &button, const TMessage &message)
{
    CaptionButtonState &state = state_->Of(button);
    SetPassOn(true);
    if (!button.Visible())
        return;
    ownerForm_->ReleaseCapture();
    const bool wasPressed = state.pressed;
    const bool wasInside = state.mouseInside;
    if (state.buttonRect.Contains(WindowPoint(message)) && state.mouseInside)
        state.pressed = false;
    else
        state.mouseInside = false;
    if ((state.pressed != wasPressed || state.mouseInside != wasInside) && button.AllowAllUp() &&
        button.Down())
        ownerForm_->InvalidateRect(state.buttonRect, true);
}

void TCaptionBarButtons::ContextMenu(const TCaptionButton &button, const TMessage &message)
{
    CaptionButtonState &state = state_->Of(button);
    if (!button.Visible())
        return;
    HideHint(button);
    if (state.buttonRect.Contains(WindowPoint(message))) {
        if (button.PopupMenu())
            button.PopupMenu()->exec(ownerForm_->CursorPos());
        SetPassOn(true);
    } else {
        SetPassOn(false);
    }
}

// The words are read as unsigned numbers: for a cursor above the client area, 65536 - y is its
// distance above the client area's top edge.
void TCaptionBarButtons::CapturedMove(const TCaptionButton &button, const TMessage &message)
{
    CaptionButtonState &state = state_->Of(button);
    SetPassOn(true);
    if (!button.Visible())
        return;
    state.mouseInside = false;
    const QPoint test(LoWord(message.LParam) + 4, 65536 - HiWord(message.LParam));
    if (state.buttonRect.Inflated(1, 1).Contains(test))
        state.mouseInside = true;
    if (state.pressed != state.lastPressed || state.mouseInside != state.lastMouseInside) {
        RequestRepaint(button);
        state.lastPressed = state.pressed;
        state.lastMouseInside = state.mouseInside;
    }
    state.hintShown = false;
    HideHint(button);
}

void TCaptionBarButtons::ReleaseAndClick(TCaptionButton &button, const TMessage &message)
{
    CaptionButtonState &state = state_->Of(button);
    SetPassOn(true);
    if (!button.Visible())
        return;
    HideHint(button);
    // No hint again until the cursor has left the button.
    state.hintShown = true;
    ownerForm_->ReleaseCapture();
    state.pressed = false;
    const int x = LoWord(message.LParam);
    const int y = HiWord(message.LParam);
    const QPoint above(x + 4, 65536 - y);
    const QPoint fromTop(x, y - ownerForm_->Top());
    const QPoint test =
        ownerForm_->Top() + ownerForm_->Form().height() > above.y() ? above : fromTop;
    const TRect target = state.buttonRect.Inflated(0, 2);
    if (target.Contains(test) && state.mouseInside && state.armed)
        CompleteClick(button);
    else
        state.armed = false;
}

void TCaptionBarButtons::GroupUpdate(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    // Only a button of this collection can be the sender.
    const auto *sender = reinterpret_cast<const TCaptionButton *>(message.WParam);
    if (!buttons_->Contains(sender))
        return;
    if (sender == &button || button.GroupIndex() != LoWord(message.LParam))
        return;
    const bool wasDown = button.Down();
    button.FollowGroup(*sender, HiWord(message.LParam));
    if (button.Down() != wasDown)
        RequestRepaint(button);
}

void TCaptionBarButtons::MetricsChange(TMessage &message)
{
    state_->defaultWidth = ownerForm_->GetSystemMetrics(SM_CXSIZE);
    state_->buttonHeight =
        ownerForm_->GetSystemMetrics(SM_CYSIZE) - ownerForm_->GetSystemMetrics(SM_CYFRAME);
    PaintButtons();
    message.Result = 0;
    PaintButtons();
}

void TCaptionBarButtons::ClickButton(TCaptionButton &button)
{
    const CaptionButtonState *state = state_->Find(button);
    if (!ownerForm_ || !buttons_->Contains(&button) || !button.Enabled() || !button.Visible() ||
        !state || state->buttonRect.IsEmpty())
        return;
    CompleteClick(button);
}

void TCaptionBarButtons::CompleteClick(TCaptionButton &button)
{
    CaptionButtonState &state = state_->Of(button);
    bool act = true;
    if (button.GroupIndex() != 0) {
        state.armed = false;
        button.ClickInGroup();
        act = !button.Down();
    }
    PaintButtons();
    if (!act || !ownerForm_)
        return;
    switch (button.ButtonType()) {
    case btCustom:
        if (button.DropDownMenu()) {
            const QPoint at(ownerForm_->Left() + state.buttonRect.Left,
                            ownerForm_->Top() + state.buttonRect.Bottom + 1);
            button.DropDownMenu()->exec(at);
        }
        if (button.OnClick() && ownerForm_)
            button.OnClick().Call(&ownerForm_->Form());
        break;
    case btRoller:
        button.SetRolledUp(!button.RolledUp());
        break;
    case btStayOnTop:
        button.SetStayOnTop(!button.StayOnTop());
        break;
    }
}

} // namespace quillby
