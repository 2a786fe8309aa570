// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QDir>

#include <string>

namespace quillby::test {

// The types of the program's own resources that this test program carries, in name order and
// one space apart: the folders ":/TYPE" in upper case (Qt's own stand in lower-case folders).
inline std::string CarriedResourceTypes()
{
    std::string types;
    for (const QString &type : QDir(QStringLiteral(":/")).entryList(QDir::Dirs, QDir::Name)) {
        if (type != type.toUpper())
            continue;
        types += (types.empty() ? "" : " ") + type.toStdString();
    }
    return types;
}

} // namespace quillby::test
