// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// What the caption bar's window hook keeps of a button, as the tests read it.

#include "ui/captionbar/CaptionBarButtons.h"
#include "ui/captionbar/CaptionBarState_p.h"

#include <stdexcept>

namespace quillby::test {

// The button's run-time state; the component must have dealt with the button already.
inline const CaptionButtonState &State(const TCaptionButton *button)
{
    if (const auto *state = RunTimeState(*button->Collection()->Owner()).Find(*button))
        return *state;
    throw std::logic_error("the component has not dealt with this button yet");
}

// Where the button stands in window coordinates; empty before it was first laid out.
inline TRect Rect(const TCaptionButton *button)
{
    const auto *state = RunTimeState(*button->Collection()->Owner()).Find(*button);
    return state ? state->buttonRect : TRect();
}

} // namespace quillby::test
