// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/FrameAccessible.h"

#include "ui/frame/CaptionBox.h"
#include "ui/frame/FramedForm.h"

#include <QAccessibleWidget>

namespace quillby {

namespace {

// The framed form's window: its widgets, then what is drawn in its caption.
class FramedFormAccessible : public QAccessibleWidget {
public:
    explicit FramedFormAccessible(FramedForm *form)
        : QAccessibleWidget(form, form->isWindow() ? QAccessible::Window : QAccessible::Client)
    {
    }

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + static_cast<int>(Parts().size());
    }

    QAccessibleInterface *child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const QList<QObject *> parts = Parts();
        if (index - widgets >= parts.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(parts[index - widgets]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const qsizetype part = child ? Parts().indexOf(child->object()) : -1;
        if (part >= 0)
            return QAccessibleWidget::childCount() + static_cast<int>(part);
        return QAccessibleWidget::indexOfChild(child);
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (QObject *part : Parts()) {
            QAccessibleInterface *partInterface = QAccessible::queryAccessibleInterface(part);
            if (partInterface && partInterface->rect().contains(x, y))
                return partInterface;
        }
        return QAccessibleWidget::childAt(x, y);
    }

private:
    QList<QObject *> Parts() const
    {
        return static_cast<const FramedForm *>(widget())->CaptionParts();
    }
};

// A caption box (close, maximize, minimize, help), pressed as the window system presses it.
class CaptionBoxAccessible : public CaptionPartAccessible {
public:
    explicit CaptionBoxAccessible(CaptionBox *box)
        : CaptionPartAccessible(box, box->Form())
        , box_(box)
    {
    }

protected:
    QString Name() const override { return box_->Name(); }
    QRect WindowRect() const override { return box_->WindowRect(); }
    bool Enabled() const override { return box_->Enabled(); }
    void Press() override { box_->Press(); }

private:
    CaptionBox *box_;
};

QAccessibleInterface *FrameAccessibleFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("quillby::FramedForm"))
        return new FramedFormAccessible(static_cast<FramedForm *>(object));
    if (key == QLatin1String("quillby::CaptionBox"))
        return new CaptionBoxAccessible(static_cast<CaptionBox *>(object));
    return nullptr;
}

} // namespace

CaptionPartAccessible::CaptionPartAccessible(QObject *part, FramedForm *form)
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

void InstallFrameAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(FrameAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quillby
