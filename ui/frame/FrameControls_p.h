// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QRect>

class QPainter;
class QPalette;
class QStyle;

namespace quillby {

// How a button looks at this moment.
enum class ButtonLook { Normal, Hot, Pushed, Disabled };

// The boxes of a caption bar.
enum class CaptionGlyph { Close, Help, Maximize, Minimize, Restore };

// The standard faces that frames and caption buttons are drawn with, in two looks: the classic
// one (raised and sunken 3-D edges on the button face colour, glyphs drawn in lines) and the
// style's own, for when visual styles are on.
void DrawClassicPushButton(QPainter &painter, const QRect &rect, ButtonLook look,
                           const QPalette &palette);
void DrawThemedPushButton(QPainter &painter, const QRect &rect, ButtonLook look,
                          const QStyle &style, const QPalette &palette);

// A caption box: the classic look draws the hot look as the normal one.
void DrawClassicCaptionButton(QPainter &painter, const QRect &rect, CaptionGlyph glyph,
                              ButtonLook look, const QPalette &palette);
void DrawThemedCaptionButton(QPainter &painter, const QRect &rect, CaptionGlyph glyph,
                             ButtonLook look, const QStyle &style, const QPalette &palette);

} // namespace quillby
