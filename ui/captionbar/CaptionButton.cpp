// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/captionbar/CaptionButton.h"

#include "ui/captionbar/CaptionBarButtons.h"
#include "ui/captionbar/CaptionBarState_p.h"
#include "ui/captionbar/CaptionButtons.h"
#include "ui/captionbar/ComponentErrors.h"

#include <cstring>

namespace quillby {

TCaptionButton::TCaptionButton(TCaptionButtons *collection)
    : collection_(collection)
{
    bitmap_.SetTransparent(true);
}

TCaptionButton::~TCaptionButton() = default;

int TCaptionButton::Index() const
{
    return collection_->IndexOf(this);
}

TCaptionBarButtons *TCaptionButton::Component() const
{
    return collection_->Owner();
}

const CaptionButtonState *TCaptionButton::State() const
{
    return Component() ? Component()->ButtonState(*this) : nullptr;
}

TRect TCaptionButton::ButtonRect() const
{
    return State() ? State()->buttonRect : TRect();
}

bool TCaptionButton::Pressed() const
{
    return State() && State()->pressed;
}

bool TCaptionButton::MouseInside() const
{
    return State() && State()->mouseInside;
}

bool TCaptionButton::Armed() const
{
    return State() && State()->armed;
}

bool TCaptionButton::HintShown() const
{
    return State() && State()->hintShown;
}

bool TCaptionButton::LastPressed() const
{
    return State() && State()->lastPressed;
}

bool TCaptionButton::LastMouseInside() const
{
    return State() && State()->lastMouseInside;
}

THintWindow *TCaptionButton::HintWindow() const
{
    return State() ? State()->hintWindow.get() : nullptr;
}

void TCaptionButton::Repaint() const
{
    if (Component())
        Component()->PaintButtons();
}

void TCaptionButton::SendGroupMessage(int kind) const
{
    if (Component())
        Component()->SendGroupMessage(*this, kind);
}

void TCaptionButton::SetAllowAllUp(bool value)
{
    if (Component())
        Component()->SetPassOn(true);
    const bool before = allowAllUp_;
    if (groupIndex_ != 0)
        allowAllUp_ = value;
    if (allowAllUp_ != before)
        SendGroupMessage(1);
}

void TCaptionButton::SetButtonGlyph(TButtonGlyph value)
{
    if (value == buttonGlyph_)
        return;
    buttonGlyph_ = value;
    Repaint();
}

void TCaptionButton::SetButtonType(TButtonTypes value)
{
    if (value == buttonType_)
        return;
    buttonType_ = value;
    Repaint();
    if (value == btRoller)
        SetRolledUp(false);
    else if (value == btStayOnTop)
        SetStayOnTop(false);
}

void TCaptionButton::SetCaption(const QString &value)
{
    caption_ = value;
    Repaint();
}

void TCaptionButton::SetDropDownMenu(QMenu *menu)
{
    if (menu == dropDownMenu_)
        return;
    dropDownMenu_ = menu;
}

void TCaptionButton::SetDown(bool value)
{
    if (value == down_)
        return;
    const bool before = down_;
    if (groupIndex_ == 0)
        down_ = false;
    else if (allowAllUp_)
        down_ = value;
    else
        down_ = true;
    if (down_ != before)
        SendGroupMessage(0);
}

void TCaptionButton::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    Repaint();
}

void TCaptionButton::SetBitmap(const TBitmap &value)
{
    bitmap_.Assign(value);
    Repaint();
}

void TCaptionButton::SetFont(const TFont &value)
{
    font_ = value;
    Repaint();
}

void TCaptionButton::SetGroupIndex(int value)
{
    const int before = groupIndex_;
    groupIndex_ = value;
    if (value == 0) {
        allowAllUp_ = false;
        down_ = false;
    }
    if (groupIndex_ != before)
        SendGroupMessage(2);
}

void TCaptionButton::SetName(const QString &value)
{
    if (value.compare(name_, Qt::CaseInsensitive) == 0)
        return;
    for (int i = 0; i < collection_->Count(); ++i) {
        const TCaptionButton *other = collection_->Items(i);
        if (other != this && value.compare(other->name_, Qt::CaseInsensitive) == 0)
            throw EComponentError("Duplicated button name");
    }
    name_ = value;
}

void TCaptionButton::SetPopupMenu(QMenu *menu)
{
    if (menu == popupMenu_)
        return;
    popupMenu_ = menu;
}

void TCaptionButton::SetRolledUp(bool value)
{
    if (value == rolledUp_ || buttonType_ != btRoller)
        return;
    if (Component())
        Component()->RollTo(*this, value);
    else
        rolledUp_ = value;
}

void TCaptionButton::SetSeparator(int value)
{
    if (value == separator_)
        return;
    separator_ = value;
    Repaint();
}

void TCaptionButton::SetStayOnTop(bool value)
{
    if (value == stayOnTop_ || buttonType_ != btStayOnTop)
        return;
    if (Component())
        Component()->SetOnTop(*this, value);
    else
        stayOnTop_ = value;
}

void TCaptionButton::SetSpeed(int value)
{
    if (value == speed_)
        return;
    speed_ = qBound(1, value, 50);
}

void TCaptionButton::SetVisible(bool value)
{
    if (value == visible_)
        return;
    visible_ = value;
    // The caption is drawn again, and every visible button with it.
    if (Component() && Component()->OwnerForm())
        Component()->OwnerForm()->Perform(WM_NCACTIVATE, 1, 0);
}

void TCaptionButton::SetWidth(int value)
{
    if (value == width_)
        return;
    width_ = value;
    Repaint();
}

void TCaptionButton::Assign(const QObject *source)
{
    const auto *from = qobject_cast<const TCaptionButton *>(source);
    if (!from) {
        const std::string kind = source ? source->metaObject()->className() : "nil";
        throw EConvertError(
            kind.substr(kind.rfind(':') == std::string::npos ? 0 : kind.rfind(':') + 1),
            "TCaptionButton");
    }
    if (from == this)
        return;
    allowAllUp_ = from->allowAllUp_;
    animate_ = from->animate_;
    buttonGlyph_ = from->buttonGlyph_;
    buttonType_ = from->buttonType_;
    caption_ = from->caption_;
    dropDownMenu_ = from->dropDownMenu_;
    down_ = from->down_;
    enabled_ = from->enabled_;
    bitmap_.Assign(from->bitmap_);
    font_ = from->font_;
    groupIndex_ = from->groupIndex_;
    hint_ = from->hint_;
    name_ = from->name_;
    popupMenu_ = from->popupMenu_;
    rolledUp_ = from->rolledUp_;
    separator_ = from->separator_;
    stayOnTop_ = from->stayOnTop_;
    speed_ = from->speed_;
    tag_ = from->tag_;
    visible_ = from->visible_;
    width_ = from->width_;
    onClick_ = from->onClick_;
    onDrawButton_ = from->onDrawButton_;
}

std::optional<QVariant> TCaptionButton::StoredDefault(const char *property)
{
    struct Default {
        const char *name;
        QVariant value;
    };
    static const Default defaults[] = {
        {"AllowAllUp", false},
        {"Animate", false},
        {"ButtonGlyph", QVariant::fromValue(bgCaption)},
        {"ButtonType", QVariant::fromValue(btCustom)},
        {"RolledUp", false},
        {"StayOnTop", false},
        {"Speed", 30},
    };
    for (const Default &entry : defaults) {
        if (std::strcmp(entry.name, property) == 0)
            return entry.value;
    }
    return std::nullopt;
}

} // namespace quillby
