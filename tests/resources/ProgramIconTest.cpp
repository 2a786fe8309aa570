// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The program icon carried in the program file: found by its resource name, 32 x 32 pixels,
// at most 16 colours; the window icon made from it and the scalable picture.

#include "app/ProgramIcon.h"
#include "resources/QtResourceStore.h"

#include <QIcon>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QImage LoadMainIcon()
{
    const quillby::QtResourceStore store;
    const auto bytes = store.Find("ICON", "MainIcon");
    if (!bytes)
        return {};
    return QImage::fromData(reinterpret_cast<const uchar *>(bytes->data()),
                            static_cast<int>(bytes->size()));
}

TEST(ProgramIcon, IsFoundByNameIgnoringCase)
{
    const quillby::QtResourceStore store;
    EXPECT_TRUE(store.Find("ICON", "MAINICON").has_value());
    EXPECT_TRUE(store.Find("icon", "mainicon").has_value());
}

TEST(ProgramIcon, IsA32By32PictureInAtMostSixteenColours)
{
    const QImage icon = LoadMainIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), 32);
    EXPECT_EQ(icon.height(), 32);

    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    // A picture, not a blank square: several colours, some of it opaque, some transparent.
    EXPECT_GE(colours.size(), 4);
    int opaque = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            opaque += qAlpha(icon.pixel(x, y)) == 255;
    EXPECT_GT(opaque, 32 * 32 / 4);
    EXPECT_LT(opaque, 32 * 32);
}

TEST(ProgramIcon, ServesAsTheWindowIcon)
{
    const QIcon icon(QStringLiteral(":/ICON/MAINICON"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.actualSize(QSize(32, 32)), QSize(32, 32));
}

// Panels and task switchers get the picture at their own sizes up to 256 pixels, drawn sharp
// from the scalable picture rather than blown up from 32 pixels, and the hand-drawn picture
// at 32.
TEST(ProgramIcon, WindowIconOffersSharpSizesUpTo256)
{
    const QIcon icon = quillby::ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int side : {16, 32, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    const QImage large = icon.pixmap(QSize(256, 256), 1.0).toImage();
    ASSERT_EQ(large.size(), QSize(256, 256));
    // A picture blown up from 32 pixels keeps 8 x 8 blocks of one colour; a drawn one has edges
    // that fall inside them.
    int splitBlocks = 0;
    for (int y = 0; y < 256; y += 8) {
        for (int x = 0; x < 256; x += 8) {
            const QRgb first = large.pixel(x, y);
            bool split = false;
            for (int dy = 0; dy < 8 && !split; ++dy)
                for (int dx = 0; dx < 8 && !split; ++dx)
                    split = large.pixel(x + dx, y + dy) != first;
            splitBlocks += split;
        }
    }
    EXPECT_GT(splitBlocks, 50);
    EXPECT_EQ(icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
              LoadMainIcon().convertToFormat(QImage::Format_ARGB32));
}

} // namespace
