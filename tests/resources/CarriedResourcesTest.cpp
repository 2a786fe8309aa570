// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// A program linked as quillby is carries every kind of resource it names, each library of them
// linked in whole, however deep in the libraries it is linked.
#include "tests/support/CarriedResources.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace quillby::test {
namespace {

TEST(CarriedResources, TheProgramCarriesEveryKind)
{
    EXPECT_EQ(CarriedResourceTypes(), "BITMAP FORMS HTML ICON IMAGES RCDATA");
    for (const char *path :
         {":/RCDATA/MOBYWORDLISTCOMPRESSED", ":/RCDATA/Z_TXT_DEFLATED", ":/RCDATA/WORDPRIORS",
          ":/RCDATA/WORDLISTPRIORS", ":/RCDATA/ADDEDWORDS", ":/BITMAP/ABOUT", ":/BITMAP/WEBSTER",
          ":/HTML/QUILLBY", ":/IMAGES/info_home.xpm", ":/ICON/MAINICON.SVG",
          ":/FORMS/ActionForm.json"})
        EXPECT_TRUE(QFileInfo::exists(QString::fromLatin1(path))) << path;
}

} // namespace
} // namespace quillby::test
