// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/VersionMessage.h"

#include <QMessageBox>

namespace quillby {

QString VersionMessageText()
{
    return QStringLiteral("Version " QUILLBY_PRODUCT_VERSION " ");
}

std::unique_ptr<QMessageBox> MakeVersionMessage()
{
    // No parent: a box without one stands centred on the screen.
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Information, QStringLiteral("Information"),
                                      VersionMessageText(), QMessageBox::Ok);
    box->setObjectName(QStringLiteral("VersionMessage"));
    return box;
}

void ShowVersionMessage()
{
    MakeVersionMessage()->exec();
}

} // namespace quillby
