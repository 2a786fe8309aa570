// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "tests/ui/frame/ButtonStateSupport.h"
#include "tests/ui/frame/FrameTestSupport.h"
#include "ui/frame/CaptionBarButtons_p.h"
#include "ui/frame/FramedForm_p.h"

#include <vector>

namespace quillby::test {

// The framed form of the frame tests with a caption-bar component on it.
class CaptionFormTest : public FrameFormTest {
protected:
    void MakeForm(TFormBorderStyle border, TBorderIcons icons) override
    {
        clicks.clear();
        FrameFormTest::MakeForm(border, icons);
        component = new TCaptionBarButtons(frame);
    }

    TCaptionButton *AddButton(const QString &hint = QString())
    {
        TCaptionButton *button = component->Buttons()->Add();
        button->SetHint(hint);
        button->SetOnClick({QStringLiteral("count"), [this, button](QObject *sender) {
                                clicks.push_back({button, sender});
                            }});
        return button;
    }

    struct Click {
        TCaptionButton *button;
        QObject *sender;
    };

    TCaptionBarButtons *component = nullptr;
    std::vector<Click> clicks;
};

} // namespace quillby::test
