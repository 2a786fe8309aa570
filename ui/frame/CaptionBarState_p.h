// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/Bitmap_p.h"
#include "ui/frame/HintWindow_p.h"
#include "ui/frame/Rect_p.h"

#include <memory>
#include <unordered_map>

namespace quillby {

class TCaptionBarButtons;
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

// The component's run-time state, owned by the component and written only by it: each button's
// state, the size of the buttons and what rolling up and the roll and stay glyphs keep.
class CaptionBarState {
public:
    // The button's state, made on first use.
    CaptionButtonState &Of(const TCaptionButton &button);
    // The button's state; none before the component has first dealt with the button.
    const CaptionButtonState *Find(const TCaptionButton &button) const;
    // Drops the state of a button that leaves the collection, with its hint window.
    void Forget(const TCaptionButton &button) { states_.erase(&button); }

    // Width of a button whose Width is 0, and height of every button.
    int defaultWidth = 0;
    int buttonHeight = 0;
    // The form's height just before it was last rolled up.
    int savedHeight = 0;
    // The image a roll or stay button loaded last, shared by all of them.
    TBitmap glyphBitmap;

private:
    std::unordered_map<const TCaptionButton *, CaptionButtonState> states_;
};

// The run-time state of `component`, for the component's own helpers and the tests.
const CaptionBarState &RunTimeState(const TCaptionBarButtons &component);

} // namespace quillby
