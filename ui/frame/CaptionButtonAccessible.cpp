// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/CaptionButtonAccessible_p.h"

#include "ui/frame/CaptionButtonListener_p.h"
#include "ui/frame/CaptionButtons_p.h"
#include "ui/frame/FrameAccessible_p.h"
#include "ui/frame/FramedForm_p.h"

namespace quillby {

namespace {

// A caption button, asked through the component that holds it (its collection's listener).
class CaptionButtonAccessible : public CaptionPartAccessible {
public:
    explicit CaptionButtonAccessible(TCaptionButton *button)
        : CaptionPartAccessible(button, button->Collection()->Listener()->Window())
        , button_(button)
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
        if (!button_->Visible())
            return {};
        return Listener().DrawnRect(*button_);
    }
    bool Enabled() const override { return button_->Enabled(); }
    bool Down() const override { return button_->Down(); }
    // The click comes once the press has returned, as a push button's own press action clicks
    // it: a button whose click opens a modal box would otherwise keep the assistive tool
    // waiting until the box closes.
    void Press() override
    {
        QMetaObject::invokeMethod(
            button_, [button = button_] { button->Collection()->Listener()->Click(*button); },
            Qt::QueuedConnection);
    }

private:
    CaptionButtonListener &Listener() const { return *button_->Collection()->Listener(); }

    TCaptionButton *button_;
};

QAccessibleInterface *CaptionButtonAccessibleFactory(const QString &key, QObject *object)
{
    if (key != QLatin1String("quillby::TCaptionButton"))
        return nullptr;
    auto *button = static_cast<TCaptionButton *>(object);
    if (!button->Collection()->Listener())
        return nullptr;
    return new CaptionButtonAccessible(button);
}

} // namespace

void ExposeCaptionButtons(FramedFormPrivate &frame, QObject *source, const TCaptionButtons &buttons)
{
    static const bool installed = [] {
        QAccessible::installFactory(CaptionButtonAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    frame.AddCaptionParts(source, [&buttons] {
        QList<QObject *> parts;
        for (int i = 0; i < buttons.Count(); ++i)
            parts += buttons.Items(i);
        return parts;
    });
}

} // namespace quillby
