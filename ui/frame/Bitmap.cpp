// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/Bitmap.h"

#include "data/Errors.h"

#include <QPainter>
#include <QRect>

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

void TBitmap::StretchDraw(QPainter &painter, const QRect &target) const
{
    if (image_.isNull() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, Masked());
    painter.restore();
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
