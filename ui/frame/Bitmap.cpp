// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/Bitmap_p.h"

#include "data/Errors.h"
#include "ui/frame/SystemColors_p.h"

#include <QHash>
#include <QPainter>
#include <QRect>
#include <QRectF>

namespace quillby {

TBitmap::TBitmap(QImage image)
    : image_(std::move(image))
{
}

QColor TBitmap::TransparentColor() const
{
    if (transparentColor_)
        return *transparentColor_;
    if (image_.isNull())
        return {};
    return image_.pixelColor(0, image_.height() - 1);
}

void TBitmap::LoadFromResourceName(const QString &name)
{
    QImage image(QStringLiteral(":/BITMAP/") + name.toUpper());
    if (image.isNull())
        throw EResNotFound(name.toStdString());
    image_ = std::move(image);
}

QImage TBitmap::Masked() const
{
    QImage masked = image_.convertToFormat(QImage::Format_ARGB32);
    if (!transparent_)
        return masked;
    const QRgb leftOut = TransparentColor().rgb();
    for (int y = 0; y < masked.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == (leftOut & 0x00FFFFFFu))
                line[x] = 0;
        }
    }
    return masked;
}

void TBitmap::DrawFitted(QPainter &painter, const QRect &area, const QColor &ground) const
{
    if (image_.isNull() || area.isEmpty())
        return;
    QImage picture = Masked();
    // Scaling blends the picture's edges with the ground, so the ink stands out further than
    // 4.5:1 for its scaled strokes still to reach it.
    constexpr double kInkContrast = 6.0;
    QHash<QRgb, QRgb> readable;
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            auto found = readable.constFind(line[x]);
            if (found == readable.constEnd())
                found = readable.insert(
                    line[x], ReadableInk(QColor::fromRgba(line[x]), ground, kInkContrast).rgba());
            line[x] = *found;
        }
    }
    // The largest rectangle of the picture's proportions inside the area, in the painter's own
    // pixels, so that the picture is scaled once, smoothly, and drawn pixel for pixel.
    const QSizeF fitted = QSizeF(picture.size()).scaled(area.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), fitted);
    target.moveCenter(QRectF(area).center());
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QRect pixels(qRound(target.left() * ratio), qRound(target.top() * ratio),
                       qMax(1, qRound(target.width() * ratio)),
                       qMax(1, qRound(target.height() * ratio)));
    QImage scaled = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled(pixels.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    painter.drawImage(QPointF(pixels.topLeft()) / ratio, scaled);
}

void TBitmap::Draw(QPainter &painter, int x, int y) const
{
    if (image_.isNull())
        return;
    painter.drawImage(QPoint(x, y), Masked());
}

bool TBitmap::operator==(const TBitmap &other) const
{
    return image_ == other.image_ && transparent_ == other.transparent_ &&
           transparentColor_ == other.transparentColor_;
}

} // namespace quillby
