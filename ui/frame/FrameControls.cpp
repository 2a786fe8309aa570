// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/FrameControls_p.h"

#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace quillby {

namespace {

QStyle::State StateFor(ButtonLook look)
{
    QStyle::State state = QStyle::State_None;
    if (look != ButtonLook::Disabled)
        state |= QStyle::State_Enabled;
    if (look == ButtonLook::Pushed)
        state |= QStyle::State_Sunken;
    else
        state |= QStyle::State_Raised;
    if (look == ButtonLook::Hot)
        state |= QStyle::State_MouseOver;
    return state;
}

// The glyph in lines, inside `box`, in one colour.
void DrawGlyphLines(QPainter &painter, const QRect &box, CaptionGlyph glyph, const QColor &color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(color, 1));
    const int l = box.left();
    const int t = box.top();
    const int r = box.right();
    const int b = box.bottom();
    switch (glyph) {
    case CaptionGlyph::Close: {
        const int side = qMin(box.width(), box.height()) - 1;
        for (int dx = 0; dx < 2; ++dx) {
            painter.drawLine(l + dx, t, l + dx + side - 1, t + side);
            painter.drawLine(l + dx + side - 1, t, l + dx, t + side);
        }
        break;
    }
    case CaptionGlyph::Minimize:
        painter.fillRect(QRect(l, b - 1, qMax(2, box.width() - 2), 2), color);
        break;
    case CaptionGlyph::Maximize:
        painter.drawRect(QRect(l, t, box.width() - 1, box.height() - 1));
        painter.drawLine(l, t + 1, r, t + 1);
        break;
    case CaptionGlyph::Restore: {
        const int w = box.width() * 2 / 3;
        const int h = box.height() * 2 / 3;
        const QRect back(r - w + 1, t, w - 1, h - 1);
        const QRect front(l, b - h + 1, w - 1, h - 1);
        painter.drawRect(back);
        painter.drawLine(back.left(), back.top() + 1, back.right(), back.top() + 1);
        painter.fillRect(front, painter.background());
        painter.drawRect(front);
        painter.drawLine(front.left(), front.top() + 1, front.right(), front.top() + 1);
        break;
    }
    case CaptionGlyph::Help: {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(qMax(6, box.height() + 2));
        painter.setFont(font);
        painter.drawText(box.adjusted(-2, -2, 2, 2), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    painter.restore();
}

// The glyph centred on a caption box's face, in the window-text colour so that it reads as
// clearly as the caption buttons beside it on any palette; a disabled box shows it embossed.
void DrawCaptionGlyph(QPainter &painter, const QRect &rect, CaptionGlyph glyph, ButtonLook look,
                      const QPalette &palette)
{
    painter.save();
    painter.setBackground(palette.brush(QPalette::Button));
    const int shift = look == ButtonLook::Pushed ? 1 : 0;
    const int insetX = qMax(2, rect.width() / 4);
    const int insetY = qMax(2, (rect.height() - (rect.width() - 2 * insetX)) / 2);
    const QRect box = rect.adjusted(insetX, insetY, -insetX, -insetY).translated(shift, shift);
    if (look == ButtonLook::Disabled) {
        DrawGlyphLines(painter, box.translated(1, 1), glyph, palette.color(QPalette::Light));
        DrawGlyphLines(painter, box, glyph, palette.color(QPalette::Dark));
    } else {
        DrawGlyphLines(painter, box, glyph, palette.color(QPalette::WindowText));
    }
    painter.restore();
}

} // namespace

void DrawClassicPushButton(QPainter &painter, const QRect &rect, ButtonLook look,
                           const QPalette &palette)
{
    qDrawWinButton(&painter, rect, palette, look == ButtonLook::Pushed, nullptr);
}

void DrawThemedPushButton(QPainter &painter, const QRect &rect, ButtonLook look,
                          const QStyle &style, const QPalette &palette)
{
    QStyleOptionButton option;
    option.rect = rect;
    option.palette = palette;
    option.state = StateFor(look);
    style.drawControl(QStyle::CE_PushButtonBevel, &option, &painter, nullptr);
}

void DrawClassicCaptionButton(QPainter &painter, const QRect &rect, CaptionGlyph glyph,
                              ButtonLook look, const QPalette &palette)
{
    const QBrush face = palette.brush(QPalette::Button);
    qDrawWinButton(&painter, rect, palette, look == ButtonLook::Pushed, &face);
    DrawCaptionGlyph(painter, rect, glyph, look, palette);
}

void DrawThemedCaptionButton(QPainter &painter, const QRect &rect, CaptionGlyph glyph,
                             ButtonLook look, const QStyle &style, const QPalette &palette)
{
    DrawThemedPushButton(painter, rect, look, style, palette);
    DrawCaptionGlyph(painter, rect, glyph, look, palette);
}

} // namespace quillby
