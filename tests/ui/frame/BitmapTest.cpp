// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// A caption button's picture: drawn smooth at every scale, and readable on light and dark faces.
#include "ui/frame/Bitmap.h"
#include "ui/frame/SystemColors.h"

#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quillby {
namespace {

TEST(ReadableInk, KeepsInkThatReadsAndOtherwiseMovesItJustFarEnough)
{
    struct Case {
        QColor ink;
        QColor ground;
    };
    const Case cases[] = {
        {Qt::black, QColor(240, 240, 240)},      {QColor(0, 0, 255), QColor(240, 240, 240)},
        {Qt::black, QColor(53, 53, 53)},         {QColor(0, 0, 255), QColor(53, 53, 53)},
        {QColor(0, 0, 128), QColor(32, 32, 32)}, {Qt::white, QColor(200, 200, 200)},
    };
    for (const Case &c : cases) {
        const QColor shown = ReadableInk(c.ink, c.ground, 4.5);
        const std::string what =
            c.ink.name().toStdString() + " on " + c.ground.name().toStdString();
        EXPECT_GE(ContrastRatio(shown, c.ground), 4.5) << what;
        if (ContrastRatio(c.ink, c.ground) >= 4.5) {
            EXPECT_EQ(shown, c.ink) << what;
            continue;
        }
        // No further than it must go.
        EXPECT_LT(ContrastRatio(shown, c.ground), 4.5 * 1.1) << what;
        // A blue stays bluer than it is red or green.
        if (c.ink.blue() > c.ink.red()) {
            EXPECT_GT(shown.blue(), shown.red()) << what;
        }
    }
}

struct FaceCase {
    const char *name;
    QColor face;
    qreal scale;
};

void PrintTo(const FaceCase &c, std::ostream *out)
{
    *out << c.name << " at " << c.scale;
}

// The About picture drawn into a 10-pixel square on a face of its own, at a scale.
QImage DrawnPicture(const FaceCase &c)
{
    TBitmap picture;
    picture.LoadFromResourceName(QStringLiteral("ABOUT"));
    picture.SetTransparent(true);
    const int side = qCeil(12 * c.scale);
    QImage face(side, side, QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(c.scale);
    face.fill(c.face);
    QPainter painter(&face);
    picture.DrawFitted(painter, QRect(1, 1, 10, 10), c.face);
    return face;
}

class PictureOnFaceTest : public ::testing::TestWithParam<FaceCase> {};

// Of the pixels the picture marks, most stand out from the face by 3:1 and the strongest by
// 4.5:1, on light faces and dark ones; scaled down it takes in-between colours at its edges
// rather than dropping whole rows and columns of the picture.
TEST_P(PictureOnFaceTest, ReadsOnTheFaceAndIsScaledSmoothly)
{
    const FaceCase &c = GetParam();
    const QImage drawn = DrawnPicture(c);
    std::vector<double> contrasts;
    QSet<QRgb> colours;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            colours.insert(pixel.rgb());
            if (pixel.rgb() != c.face.rgb())
                contrasts.push_back(ContrastRatio(pixel, c.face));
        }
    }
    ASSERT_FALSE(contrasts.empty());
    std::sort(contrasts.begin(), contrasts.end());
    EXPECT_GE(contrasts.back(), 4.5);
    EXPECT_GE(contrasts[contrasts.size() / 2], 3.0) << contrasts.size() << " marked pixels";
    // The picture is 20 pixels square: at 2x it is drawn pixel for pixel, below that it blends.
    if (c.scale < 2) {
        EXPECT_GT(colours.size(), 4);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faces, PictureOnFaceTest,
    ::testing::Values(
        FaceCase{"Light", QColor(239, 239, 239), 1}, FaceCase{"Light", QColor(239, 239, 239), 1.5},
        FaceCase{"Light", QColor(239, 239, 239), 2}, FaceCase{"Dark", QColor(53, 53, 53), 1},
        FaceCase{"Dark", QColor(53, 53, 53), 1.5}, FaceCase{"Dark", QColor(53, 53, 53), 2},
        FaceCase{"Darker", QColor(32, 32, 32), 1}, FaceCase{"Darker", QColor(32, 32, 32), 2},
        FaceCase{"MidGrey", QColor(96, 96, 96), 1}, FaceCase{"MidGrey", QColor(96, 96, 96), 2}),
    [](const auto &info) {
        return std::string(info.param.name) + "At" +
               std::to_string(static_cast<int>(info.param.scale * 10)) + "Tenths";
    });

} // namespace
} // namespace quillby
