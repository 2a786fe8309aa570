// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <optional>

class QPainter;
class QRect;

namespace quillby {

// An image that can be drawn with one colour left out. Unless a transparent colour is given,
// the colour of the bottom-left pixel is the one left out.
class TBitmap {
public:
    TBitmap() = default;
    explicit TBitmap(QImage image);

    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage &Image() const { return image_; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { transparent_ = on; }
    QColor TransparentColor() const;
    void SetTransparentColor(const QColor &color) { transparentColor_ = color; }

    // Replaces the image by the bitmap resource of this name (":/BITMAP/NAME", upper case);
    // a name that is not there raises EResNotFound.
    void LoadFromResourceName(const QString &name);
    void Assign(const TBitmap &source) { *this = source; }

    // Draws the image at its own size at (x, y), leaving out the transparent colour when
    // Transparent.
    void Draw(QPainter &painter, int x, int y) const;
    // Draws the image as large as fits in `area` in its own proportions, centred, scaled smoothly
    // to the painter's pixels at any scale, the transparent colour left out when Transparent.
    // Every other colour is made to stand out from `ground` by 6:1 (ReadableInk), so that the
    // picture reads on a dark face as on a light one.
    void DrawFitted(QPainter &painter, const QRect &area, const QColor &ground) const;

    bool operator==(const TBitmap &other) const;

private:
    QImage Masked() const;

    QImage image_;
    bool transparent_ = false;
    std::optional<QColor> transparentColor_;
};

} // namespace quillby
