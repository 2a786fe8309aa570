// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/CaptionButton_p.h"

#include "ui/frame/CaptionButtonListener_p.h"
#include "ui/frame/CaptionButtons_p.h"
#include "ui/frame/ComponentErrors_p.h"

namespace quillby {

TCaptionButton::TCaptionButton(TCaptionButtons *collection)
    : collection_(collection)
{
    bitmap_.SetTransparent(true);
}

TCaptionButton::~TCaptionButton() = default;

CaptionButtonListener *TCaptionButton::Listener() const
{
    return collection_->Listener();
}

void TCaptionButton::NotifyChanged() const
{
    if (Listener())
        Listener()->ButtonChanged(*this);
}

void TCaptionButton::NotifyGroup(int kind) const
{
    if (Listener())
        Listener()->GroupChanged(*this, kind);
}

void TCaptionButton::SetAllowAllUp(bool value)
{
    if (Listener())
        Listener()->AllowAllUpAssigned(*this);
    const bool before = allowAllUp_;
    if (groupIndex_ != 0)
        allowAllUp_ = value;
    if (allowAllUp_ != before)
        NotifyGroup(1);
}

void TCaptionButton::SetButtonGlyph(TButtonGlyph value)
{
    if (value == buttonGlyph_)
        return;
    buttonGlyph_ = value;
    NotifyChanged();
}

void TCaptionButton::SetButtonType(TButtonTypes value)
{
    if (value == buttonType_)
        return;
    buttonType_ = value;
    NotifyChanged();
    if (value == btRoller)
        SetRolledUp(false);
    else if (value == btStayOnTop)
        SetStayOnTop(false);
}

void TCaptionButton::SetCaption(const QString &value)
{
    caption_ = value;
    NotifyChanged();
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
        NotifyGroup(0);
}

void TCaptionButton::SetEnabled(bool value)
{
    if (value == enabled_)
        return;
    enabled_ = value;
    NotifyChanged();
}

void TCaptionButton::SetBitmap(const TBitmap &value)
{
    bitmap_.Assign(value);
    NotifyChanged();
}

void TCaptionButton::SetFont(const TFont &value)
{
    font_ = value;
    NotifyChanged();
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
        NotifyGroup(2);
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
    if (Listener() && !Listener()->FormRollsAndStaysOnTop())
        return;
    rolledUp_ = value;
    if (Listener())
        Listener()->RolledUpChanged(*this);
}

void TCaptionButton::SetSeparator(int value)
{
    if (value == separator_)
        return;
    separator_ = value;
    NotifyChanged();
}

void TCaptionButton::SetStayOnTop(bool value)
{
    if (value == stayOnTop_ || buttonType_ != btStayOnTop)
        return;
    if (Listener() && !Listener()->FormRollsAndStaysOnTop())
        return;
    stayOnTop_ = value;
    if (Listener())
        Listener()->StayOnTopChanged(*this);
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
    if (Listener())
        Listener()->ButtonVisibilityChanged(*this);
}

void TCaptionButton::SetWidth(int value)
{
    if (value == width_)
        return;
    width_ = value;
    NotifyChanged();
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

void TCaptionButton::FollowGroup(const TCaptionButton &sender, int kind)
{
    if (kind == 0)
        down_ = false;
    allowAllUp_ = sender.allowAllUp_;
}

void TCaptionButton::ClickInGroup()
{
    down_ = allowAllUp_ ? !down_ : true;
    NotifyGroup(0);
}

} // namespace quillby
