// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QRect>

class QWidget;

namespace quillby {

class TCaptionButton;

// What the caption buttons of a collection tell the component that holds them. A button knows
// nothing of the component or of its form: it takes its new value, then tells the listener,
// which draws, sends the group message or moves the form as the change asks.
class CaptionButtonListener {
public:
    // Something the button shows changed: the buttons are drawn again at once.
    virtual void ButtonChanged(const TCaptionButton &button) = 0;
    // The button was shown or hidden: the caption is drawn again with the buttons shown.
    virtual void ButtonVisibilityChanged(const TCaptionButton &button) = 0;
    // AllowAllUp was assigned, whether or not it took the value.
    virtual void AllowAllUpAssigned(const TCaptionButton &button) = 0;
    // Down (kind 0), AllowAllUp (1) or GroupIndex (2) changed: the rest of its group hears of it.
    virtual void GroupChanged(const TCaptionButton &button, int kind) = 0;
    // Whether the form may be rolled up or kept on top at all: not a multiple-document form.
    virtual bool FormRollsAndStaysOnTop() const = 0;
    // RolledUp or StayOnTop took a new value: the form follows it.
    virtual void RolledUpChanged(const TCaptionButton &button) = 0;
    virtual void StayOnTopChanged(const TCaptionButton &button) = 0;
    // The button is leaving its collection; it goes right after.
    virtual void ButtonRemoved(const TCaptionButton &button) = 0;

    // What assistive tools ask of a button: the window it is drawn on (none without one),
    // where it is drawn there (empty when it is not), and a click that comes from elsewhere
    // than the mouse.
    virtual QWidget *Window() const = 0;
    virtual QRect DrawnRect(const TCaptionButton &button) const = 0;
    virtual void Click(TCaptionButton &button) = 0;

protected:
    ~CaptionButtonListener() = default;
};

} // namespace quillby
