// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/FrameAccessible_p.h"

#include "ui/frame/FramedForm_p.h"

namespace quillby {

FramedFormAccessible::FramedFormAccessible(QWidget *form, FramedFormPrivate &frame)
    : QAccessibleWidget(form, form->isWindow() ? QAccessible::Window : QAccessible::Client)
    , frame_(&frame)
{
}

int FramedFormAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + static_cast<int>(Parts().size());
}

QAccessibleInterface *FramedFormAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    const QList<QObject *> parts = Parts();
    if (index - widgets >= parts.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(parts[index - widgets]);
}

int FramedFormAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const qsizetype part = child ? Parts().indexOf(child->object()) : -1;
    if (part >= 0)
        return QAccessibleWidget::childCount() + static_cast<int>(part);
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface *FramedFormAccessible::childAt(int x, int y) const
{
    for (QObject *part : Parts()) {
        QAccessibleInterface *partInterface = QAccessible::queryAccessibleInterface(part);
        if (partInterface && partInterface->rect().contains(x, y))
            return partInterface;
    }
    return QAccessibleWidget::childAt(x, y);
}

// Nothing once the form is going.
QList<QObject *> FramedFormAccessible::Parts() const
{
    return frame_ ? frame_->CaptionParts() : QList<QObject *>();
}

CaptionPartAccessible::CaptionPartAccessible(QObject *part, QWidget *form)
    : QAccessibleObject(part)
    , form_(form)
{
}

QAccessibleInterface *CaptionPartAccessible::parent() const
{
    return form_ ? QAccessible::queryAccessibleInterface(form_.data()) : nullptr;
}

QAccessibleInterface *CaptionPartAccessible::child(int) const
{
    return nullptr;
}

int CaptionPartAccessible::childCount() const
{
    return 0;
}

int CaptionPartAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *CaptionPartAccessible::childAt(int, int) const
{
    return nullptr;
}

QString CaptionPartAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? Name() : QString();
}

QAccessible::Role CaptionPartAccessible::role() const
{
    return QAccessible::Button;
}

QAccessible::State CaptionPartAccessible::state() const
{
    QAccessible::State state;
    state.disabled = !Enabled();
    state.invisible = !form_ || !form_->isVisible() || WindowRect().isEmpty();
    state.pressed = Down();
    return state;
}

QRect CaptionPartAccessible::rect() const
{
    const QRect at = WindowRect();
    if (!form_ || at.isEmpty())
        return {};
    return at.translated(form_->mapToGlobal(QPoint(0, 0)));
}

void *CaptionPartAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return QAccessibleObject::interface_cast(type);
}

QStringList CaptionPartAccessible::actionNames() const
{
    if (!Enabled() || WindowRect().isEmpty())
        return {};
    return {pressAction()};
}

void CaptionPartAccessible::doAction(const QString &actionName)
{
    if (form_ && actionName == pressAction() && Enabled() && !WindowRect().isEmpty())
        Press();
}

QStringList CaptionPartAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}

} // namespace quillby
