// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// A caption button's picture: drawn smooth at every scale, and readable on light and dark faces.
#include "tests/support/CarriedResources.h"
#include "ui/frame/Bitmap_p.h"
#include "ui/frame/SystemColors_p.h"

#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace quillby {
namespace {

// Ink that reads stays; ink that does not moves just far enough, a blue staying blue.
TEST(ReadableInk, KeepsInkThatReadsAndOtherwiseMovesItJustFarEnough)
{
    const QColor light(240, 240, 240);
    const QColor dark(53, 53, 53);
    EXPECT_EQ(ReadableInk(QColor(0, 0, 255), light, 4.5), QColor(0, 0, 255));
    for (const QColor &ink : {QColor(0, 0, 0), QColor(0, 0, 255), QColor(0, 0, 128)}) {
        const QColor shown = ReadableInk(ink, dark, 4.5);
        EXPECT_GE(ContrastRatio(shown, dark), 4.5) << ink.name().toStdString();
        EXPECT_LT(ContrastRatio(shown, dark), 4.6) << ink.name().toStdString();
        EXPECT_GE(shown.blue(), shown.red()) << ink.name().toStdString();
    }
}

// The About picture drawn into a 10-pixel square on a face, at a scale: of the pixels it marks,
// the strongest stands out from the face by 4.5:1 and most by 3:1, on light faces and dark
// ones; below 2x (where its 20 pixels are drawn one for one) its edges take in-between colours
// rather than dropping whole rows and columns.
class PictureOnFaceTest : public ::testing::TestWithParam<std::tuple<QRgb, qreal>> {};

TEST_P(PictureOnFaceTest, ReadsOnTheFaceAndIsScaledSmoothly)
{
    const auto [rgb, scale] = GetParam();
    const QColor face(rgb);
    TBitmap picture;
    picture.LoadFromResourceName(QStringLiteral("ABOUT"));
    picture.SetTransparent(true);
    QImage drawn(qCeil(12 * scale), qCeil(12 * scale), QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(scale);
    drawn.fill(face);
    {
        QPainter painter(&drawn);
        picture.DrawFitted(painter, QRect(1, 1, 10, 10), face);
    }
    std::vector<double> contrasts;
    QSet<QRgb> colours;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            colours.insert(drawn.pixel(x, y));
            if (drawn.pixel(x, y) != face.rgb())
                contrasts.push_back(ContrastRatio(drawn.pixelColor(x, y), face));
        }
    }
    ASSERT_FALSE(contrasts.empty());
    std::sort(contrasts.begin(), contrasts.end());
    EXPECT_GE(contrasts.back(), 4.5);
    EXPECT_GE(contrasts[contrasts.size() / 2], 3.0) << contrasts.size() << " marked pixels";
    EXPECT_GT(colours.size(), scale < 2 ? 4 : 2);
}

INSTANTIATE_TEST_SUITE_P(Faces, PictureOnFaceTest,
                         ::testing::Combine(::testing::Values(qRgb(239, 239, 239), qRgb(53, 53, 53),
                                                              qRgb(32, 32, 32), qRgb(96, 96, 96)),
                                            ::testing::Values(1.0, 1.5, 2.0)));

// The frame finds bitmaps by name and carries them, and none of the program's other resources:
// a program that draws a frame carries no word lists.
TEST(FrameResources, AreTheBitmapsAlone)
{
    EXPECT_EQ(test::CarriedResourceTypes(), "BITMAP");
    TBitmap bitmap;
    bitmap.LoadFromResourceName(QStringLiteral("roll_up"));
    EXPECT_FALSE(bitmap.Empty());
}

} // namespace
} // namespace quillby
