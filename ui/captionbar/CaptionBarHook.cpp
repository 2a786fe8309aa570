// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The component's window hook: which messages it takes, and what each does for one button.
#include "ui/captionbar/CaptionBarButtons.h"

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
        if (route.needsEnabled && !button.enabled_)
            continue;
        switch (route.entry) {
        case Entry::Paint:
            SetPassOn(true);
            PaintButtons();
            break;
        case Entry::RequestRepaint:
            SetPassOn(true);
            if (button.visible_)
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
    if (ownerForm_)
        ownerForm_->InvalidateRect(button.buttonRect_, false);
}

void TCaptionBarButtons::ShowHint(TCaptionButton &button) const
{
    THintWindow &hint = *button.hintWindow_;
    const QPoint cursor = ownerForm_->CursorPos();
    const int textWidth = hint.fontMetrics().horizontalAdvance(button.hint_);
    const TRect area{cursor.x(), cursor.y() + 10, cursor.x() + 7 + textWidth, cursor.y() + 25};
    hint.ActivateHint(area.ToQRect(), button.hint_);
}

void TCaptionBarButtons::HideHint(const TCaptionButton &button) const
{
    button.hintWindow_->ReleaseHandle();
}

void TCaptionBarButtons::HitTracking(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    if (!button.visible_)
        return;
    if (button.pressed_) {
        const bool inside = button.buttonRect_.Contains(WindowPoint(message));
        if (inside != button.mouseInside_) {
            button.mouseInside_ = inside;
            RequestRepaint(button);
        }
    }
    if (!button.mouseInside_)
        HideHint(button);
    button.lastPressed_ = button.pressed_;
    button.lastMouseInside_ = button.mouseInside_;
}

void TCaptionBarButtons::Hover(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    if (!button.visible_)
        return;
    button.lastPressed_ = button.pressed_;
    button.lastMouseInside_ = button.mouseInside_;
    if (button.buttonRect_.Contains(WindowPoint(message))) {
        button.mouseInside_ = true;
        if (!button.hintShown_ && !TrimBlanks(button.hint_).isEmpty())
            ShowHint(button);
        button.hintShown_ = true;
    } else {
        button.mouseInside_ = false;
        HideHint(button);
        button.hintShown_ = false;
    }
    if (button.pressed_ != button.lastPressed_ || button.mouseInside_ != button.lastMouseInside_) {
        RequestRepaint(button);
        button.lastPressed_ = button.pressed_;
        button.lastMouseInside_ = button.mouseInside_;
    }
}

void TCaptionBarButtons::Press(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    if (!button.visible_)
        return;
    button.hintShown_ = false;
    HideHint(button);
    ownerForm_->SetForegroundWindow();
    const bool wasPressed = button.pressed_;
    const bool onButton = button.buttonRect_.Contains(WindowPoint(message));
    if (onButton) {
        button.armed_ = true;
        button.pressed_ = true;
        button.mouseInside_ = true;
        ownerForm_->SetCapture();
    } else {
        button.pressed_ = false;
        button.mouseInside_ = false;
    }
    // A press on a button neither reaches the form nor starts the drag by the caption.
    if (button.pressed_ != wasPressed || onButton)
        SetPassOn(false);
    button.lastPressed_ = button.pressed_;
    button.lastMouseInside_ = button.mouseInside_;
    PaintButtons();
}

// A double click on a button is a second press; it never maximizes or restores the form.
void TCaptionBarButtons::DoubleClickAsPress(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    if (!button.visible_)
        return;
    if (button.buttonRect_.Contains(WindowPoint(message))) {
        SetPassOn(false);
        ownerForm_->Perform(WM_NCLBUTTONDOWN, message.WParam, message.LParam);
    }
}

void TCaptionBarButtons::NonClientRelease(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    if (!button.visible_)
        return;
    ownerForm_->ReleaseCapture();
    const bool wasPressed = button.pressed_;
    const bool wasInside = button.mouseInside_;
    if (button.buttonRect_.Contains(WindowPoint(message)) && button.mouseInside_)
        button.pressed_ = false;
    else
        button.mouseInside_ = false;
    if ((button.pressed_ != wasPressed || button.mouseInside_ != wasInside) && button.allowAllUp_ &&
        button.down_)
        ownerForm_->InvalidateRect(button.buttonRect_, true);
}

void TCaptionBarButtons::ContextMenu(TCaptionButton &button, const TMessage &message)
{
    if (!button.visible_)
        return;
    HideHint(button);
    if (button.buttonRect_.Contains(WindowPoint(message))) {
        if (button.popupMenu_)
            button.popupMenu_->exec(ownerForm_->CursorPos());
        SetPassOn(true);
    } else {
        SetPassOn(false);
    }
}

// The words are read as unsigned numbers: for a cursor above the client area, 65536 - y is its
// distance above the client area's top edge.
void TCaptionBarButtons::CapturedMove(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    if (!button.visible_)
        return;
    button.mouseInside_ = false;
    const QPoint test(LoWord(message.LParam) + 4, 65536 - HiWord(message.LParam));
    if (button.buttonRect_.Inflated(1, 1).Contains(test))
        button.mouseInside_ = true;
    if (button.pressed_ != button.lastPressed_ || button.mouseInside_ != button.lastMouseInside_) {
        RequestRepaint(button);
        button.lastPressed_ = button.pressed_;
        button.lastMouseInside_ = button.mouseInside_;
    }
    button.hintShown_ = false;
    HideHint(button);
}

void TCaptionBarButtons::ReleaseAndClick(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    if (!button.visible_)
        return;
    HideHint(button);
    // No hint again until the cursor has left the button.
    button.hintShown_ = true;
    ownerForm_->ReleaseCapture();
    button.pressed_ = false;
    const int x = LoWord(message.LParam);
    const int y = HiWord(message.LParam);
    const QPoint above(x + 4, 65536 - y);
    const QPoint fromTop(x, y - ownerForm_->Top());
    const QPoint test = ownerForm_->Top() + ownerForm_->Height() > above.y() ? above : fromTop;
    const TRect target = button.buttonRect_.Inflated(0, 2);
    if (target.Contains(test) && button.mouseInside_ && button.armed_)
        CompleteClick(button);
    else
        button.armed_ = false;
}

void TCaptionBarButtons::GroupUpdate(TCaptionButton &button, const TMessage &message)
{
    SetPassOn(true);
    // Only a button of this collection can be the sender.
    const auto *sender = reinterpret_cast<const TCaptionButton *>(message.WParam);
    if (!buttons_->Contains(sender))
        return;
    if (sender == &button || button.groupIndex_ != LoWord(message.LParam))
        return;
    const bool wasDown = button.down_;
    if (HiWord(message.LParam) == 0)
        button.down_ = false;
    button.allowAllUp_ = sender->allowAllUp_;
    if (button.down_ != wasDown)
        RequestRepaint(button);
}

void TCaptionBarButtons::MetricsChange(TMessage &message)
{
    defaultWidth_ = ownerForm_->GetSystemMetrics(SM_CXSIZE);
    buttonHeight_ =
        ownerForm_->GetSystemMetrics(SM_CYSIZE) - ownerForm_->GetSystemMetrics(SM_CYFRAME);
    PaintButtons();
    message.Result = 0;
    PaintButtons();
}

void TCaptionBarButtons::ClickButton(TCaptionButton &button)
{
    if (!ownerForm_ || !buttons_->Contains(&button) || !button.enabled_ || !button.visible_ ||
        button.buttonRect_.IsEmpty())
        return;
    CompleteClick(button);
}

void TCaptionBarButtons::CompleteClick(TCaptionButton &button)
{
    bool act = true;
    if (button.groupIndex_ != 0) {
        button.down_ = button.allowAllUp_ ? !button.down_ : true;
        button.armed_ = false;
        SendGroupMessage(button, 0);
        act = !button.down_;
    }
    PaintButtons();
    if (!act || !ownerForm_)
        return;
    switch (button.buttonType_) {
    case btCustom:
        if (button.dropDownMenu_) {
            const QPoint at(ownerForm_->Left() + button.buttonRect_.Left,
                            ownerForm_->Top() + button.buttonRect_.Bottom + 1);
            button.dropDownMenu_->exec(at);
        }
        if (button.onClick_ && ownerForm_)
            button.onClick_.Call(ownerForm_);
        break;
    case btRoller:
        button.SetRolledUp(!button.rolledUp_);
        break;
    case btStayOnTop:
        button.SetStayOnTop(!button.stayOnTop_);
        break;
    }
}

} // namespace quillby
