// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/CloseButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QIconEngine>
#include <QPainter>

namespace quillby {

namespace {

// A cross drawn at whatever size is asked for, in the colours given for the normal and the
// disabled look.
class CrossGlyph : public QIconEngine {
public:
    CrossGlyph(const QColor &normal, const QColor &disabled)
        : normal_(normal)
        , disabled_(disabled)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qMin(rect.width(), rect.height());
        const qreal inset = side * 0.22;
        const QRectF box =
            QRectF(QPointF(0, 0), QSizeF(side, side))
                .translated(rect.center() - QPointF(side, side) / 2.0 + QPointF(0.5, 0.5))
                .adjusted(inset, inset, -inset, -inset);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(mode == QIcon::Disabled ? disabled_ : normal_, qMax(1.5, side / 8.0),
                             Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(box.topLeft(), box.bottomRight());
        painter->drawLine(box.topRight(), box.bottomLeft());
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap image(size);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return image;
    }

    QIconEngine *clone() const override { return new CrossGlyph(normal_, disabled_); }

private:
    QColor normal_;
    QColor disabled_;
};

// "&Close" without its ampersand: what assistive tools read.
QString WithoutMnemonic(const QString &text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

// What assistive tools see of the button: a push button named by its caption, pressed by its
// one action, with no key to press it.
class CloseButtonAccessible : public QAccessibleWidget {
public:
    explicit CloseButtonAccessible(CloseButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            return WithoutMnemonic(Button()->text());
        case QAccessible::Accelerator:
            return {};
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override
    {
        if (!widget()->isEnabled())
            return {};
        return {pressAction()};
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled())
            Button()->click();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    CloseButton *Button() const { return static_cast<CloseButton *>(widget()); }
};

QAccessibleInterface *CloseButtonAccessibleFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("quillby::CloseButton"))
        return new CloseButtonAccessible(static_cast<CloseButton *>(object));
    return nullptr;
}

} // namespace

CloseButton::CloseButton(QWidget *parent)
    : QPushButton(QStringLiteral("&Close"), parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(CloseButtonAccessibleFactory);
        return true;
    }();
    Q_UNUSED(accessible);
    // The caption's letter would be Alt+C, which Copy takes.
    setShortcut(QKeySequence());
    UpdateGlyph();
}

void CloseButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        UpdateGlyph();
}

void CloseButton::UpdateGlyph()
{
    setIcon(QIcon(new CrossGlyph(palette().color(QPalette::Active, QPalette::ButtonText),
                                 palette().color(QPalette::Disabled, QPalette::ButtonText))));
}

} // namespace quillby
