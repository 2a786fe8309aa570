// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/HintWindow_p.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace quillby {

THintWindow::THintWindow(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
}

void THintWindow::SetColor(TColor color)
{
    color_ = color;
    update();
}

void THintWindow::ActivateHint(const QRect &screenRect, const QString &text)
{
    text_ = text;
    QRect area = screenRect;
    const QSize needed(fontMetrics().horizontalAdvance(text) + 6, fontMetrics().height() + 2);
    area.setWidth(qMax(area.width(), needed.width()));
    area.setHeight(qMax(area.height(), needed.height()));
    const QScreen *screen = QGuiApplication::screenAt(area.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect desktop = screen->geometry();
        if (area.right() > desktop.right())
            area.moveRight(desktop.right());
        if (area.bottom() > desktop.bottom())
            area.moveBottom(desktop.bottom());
        if (area.left() < desktop.left())
            area.moveLeft(desktop.left());
        if (area.top() < desktop.top())
            area.moveTop(desktop.top());
    }
    setGeometry(area);
    show();
    raise();
    update();
}

void THintWindow::ReleaseHandle()
{
    hide();
}

void THintWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ColorToRGB(color_, palette()));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect().adjusted(3, 1, -2, -1), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

} // namespace quillby
