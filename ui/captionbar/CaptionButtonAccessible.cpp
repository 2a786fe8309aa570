// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/captionbar/CaptionButtonAccessible.h"

#include "ui/captionbar/CaptionBarButtons.h"
#include "ui/captionbar/CaptionBarState_p.h"
#include "ui/frame/FrameAccessible.h"

namespace quillby {

namespace {

class CaptionButtonAccessible : public CaptionPartAccessible {
public:
    CaptionButtonAccessible(TCaptionButton *button, TCaptionBarButtons *component)
        : CaptionPartAccessible(button, component ? component->OwnerForm() : nullptr)
        , button_(button)
        , component_(component)
    {
    }

protected:
    QString Name() const override
    {
        const QString hint = button_->Hint().trimmed();
        return hint.isEmpty() ? button_->Caption().trimmed() : hint;
    }
    QRect WindowRect() const override
    {
        if (!component_ || !button_->Visible())
            return {};
        const CaptionButtonState *state = RunTimeState(*component_).Find(*button_);
        return state ? state->buttonRect.ToQRect() : QRect();
    }
    bool Enabled() const override { return button_->Enabled(); }
    bool Down() const override { return button_->Down(); }
    // The click comes once the press has returned, as a push button's own press action clicks
    // it: a button whose click opens a modal box would otherwise keep the assistive tool
    // waiting until the box closes.
    void Press() override
    {
        if (!component_)
            return;
        const QPointer<TCaptionButton> button = button_;
        QMetaObject::invokeMethod(
            component_.data(),
            [component = component_, button] {
                if (component && button)
                    component->ClickButton(*button);
            },
            Qt::QueuedConnection);
    }

private:
    TCaptionButton *button_;
    QPointer<TCaptionBarButtons> component_;
};

QAccessibleInterface *CaptionButtonAccessibleFactory(const QString &key, QObject *object)
{
    if (key != QLatin1String("quillby::TCaptionButton"))
        return nullptr;
    auto *button = static_cast<TCaptionButton *>(object);
    return new CaptionButtonAccessible(button, button->Collection()->Owner());
}

} // namespace

void ExposeCaptionButtons(TCaptionBarButtons &component)
{
    static const bool installed = [] {
        QAccessible::installFactory(CaptionButtonAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    if (!component.OwnerForm())
        return;
    component.OwnerForm()->AddCaptionParts(&component, [&component] {
        QList<QObject *> buttons;
        for (int i = 0; i < component.Buttons()->Count(); ++i)
            buttons += component.ButtonByIndex(i);
        return buttons;
    });
}

} // namespace quillby
