// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/CaptionButtons_p.h"

#include "ui/frame/CaptionButtonListener_p.h"
#include "ui/frame/ComponentErrors_p.h"

namespace quillby {

namespace {

bool SameNameIgnoringAsciiCase(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        const auto lower = [](char16_t c) {
            return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
        };
        if (lower(x) != lower(y))
            return false;
    }
    return true;
}

} // namespace

TCaptionButtons::TCaptionButtons(TCaptionBarButtons *owner, CaptionButtonListener *listener)
    : owner_(owner)
    , listener_(listener)
{
    setObjectName(QStringLiteral("Buttons"));
}

TCaptionButtons::~TCaptionButtons() = default;

QString TCaptionButtons::FreeDefaultName() const
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("CaptionButton%1").arg(n);
        bool taken = false;
        for (const auto &item : items_)
            taken = taken || SameNameIgnoringAsciiCase(item->Name(), name);
        if (!taken)
            return name;
    }
}

TCaptionButton *TCaptionButtons::Add()
{
    const QString name = FreeDefaultName();
    items_.push_back(std::unique_ptr<TCaptionButton>(new TCaptionButton(this)));
    items_.back()->name_ = name;
    return items_.back().get();
}

TCaptionButton *TCaptionButtons::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(index);
    return items_[static_cast<std::size_t>(index)].get();
}

int TCaptionButtons::IndexOf(const TCaptionButton *button) const
{
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].get() == button)
            return static_cast<int>(i);
    }
    return -1;
}

void TCaptionButtons::Delete(int index)
{
    const TCaptionButton *button = Items(index);
    if (listener_)
        listener_->ButtonRemoved(*button);
    items_.erase(items_.begin() + index);
}

void TCaptionButtons::Clear()
{
    for (const auto &item : items_) {
        if (listener_)
            listener_->ButtonRemoved(*item);
    }
    items_.clear();
}

void TCaptionButtons::Assign(const TCaptionButtons &source)
{
    if (&source == this)
        return;
    Clear();
    for (int i = 0; i < source.Count(); ++i)
        Add()->Assign(source.Items(i));
}

QString TCaptionButtons::Attribute(int index) const
{
    return index == 0 ? QStringLiteral("Name") : QString();
}

QString TCaptionButtons::ItemAttribute(int index, int itemIndex) const
{
    return index == 0 ? Items(itemIndex)->Name() : QString();
}

} // namespace quillby
