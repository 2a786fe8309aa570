// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// What the caption bar's window hook keeps of a button, as the tests read it.

#include "ui/frame/CaptionBarButtons_p.h"
#include "ui/frame/CaptionBarState_p.h"
#include "ui/frame/FramedForm.h"

#include <stdexcept>

namespace quillby::test {

// The form's window-system side.
inline FramedFormPrivate &Frame(FramedForm &form)
{
    return FramedFormPrivate::Get(form);
}

// The caption-bar component that loading the form's caption bar made; none before.
inline TCaptionBarButtons *CaptionBar(FramedForm &form)
{
    return form.findChild<TCaptionBarButtons *>(QString(), Qt::FindDirectChildrenOnly);
}

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
