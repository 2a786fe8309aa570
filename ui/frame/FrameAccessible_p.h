// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

namespace quillby {

class FramedFormPrivate;

// A framed form's window as assistive tools see it: its widgets, then what is drawn in its
// caption (the frame's caption parts).
class FramedFormAccessible : public QAccessibleWidget {
public:
    FramedFormAccessible(QWidget *form, FramedFormPrivate &frame);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    QList<QObject *> Parts() const;

    QPointer<FramedFormPrivate> frame_;
};

// A button drawn in a framed form's caption as assistive tools see it: a push button, child of
// the form's window, named, placed on the screen, pressed by its one action. `part` is the
// object that stands for it; the form lists it among the window's children.
class CaptionPartAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    CaptionPartAccessible(QObject *part, QWidget *form);

    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

protected:
    QWidget *Form() const { return form_; }
    virtual QString Name() const = 0;
    // Where the part is drawn, in window coordinates; empty when it is not drawn.
    virtual QRect WindowRect() const = 0;
    virtual bool Enabled() const { return true; }
    virtual bool Down() const { return false; }
    virtual void Press() = 0;

private:
    QPointer<QWidget> form_;
};

} // namespace quillby
