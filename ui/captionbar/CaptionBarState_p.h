// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/HintWindow.h"
#include "ui/frame/Rect.h"

#include <memory>
#include <unordered_map>

namespace quillby {

class TCaptionButton;

// What the window hook knows of one button while the component runs: where the button stands
// in the caption, how the mouse stands over it, and its hint window.
struct CaptionButtonState {
    CaptionButtonState();

    TRect buttonRect;
    bool pressed = false;
    bool mouseInside = false;
    bool armed = false;
    bool hintShown = false;
    bool lastPressed = false;
    bool lastMouseInside = false;
    std::unique_ptr<THintWindow> hintWindow;
};

// The run-time state of every button of one component, owned by the component and written only
// by it; the buttons read theirs through their run-time getters.
class CaptionBarState {
public:
    // The button's state, made on first use.
    CaptionButtonState &Of(const TCaptionButton &button);
    // The button's state; none before the component has first dealt with the button.
    const CaptionButtonState *Find(const TCaptionButton &button) const;
    // Drops the state of a button that leaves the collection, with its hint window.
    void Forget(const TCaptionButton &button) { states_.erase(&button); }

private:
    std::unordered_map<const TCaptionButton *, CaptionButtonState> states_;
};

} // namespace quillby
