// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The program icon carried in the program file: found by its resource name, 32 x 32 pixels,
// at most 16 colours.

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

} // namespace
