// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/CaptionBarState_p.h"

namespace quillby {

CaptionButtonState::CaptionButtonState()
    : hintWindow(std::make_unique<THintWindow>())
{
    hintWindow->SetColor(clInfoBk);
}

CaptionButtonState &CaptionBarState::Of(const TCaptionButton &button)
{
    return states_[&button];
}

const CaptionButtonState *CaptionBarState::Find(const TCaptionButton &button) const
{
    const auto found = states_.find(&button);
    return found == states_.end() ? nullptr : &found->second;
}

} // namespace quillby
