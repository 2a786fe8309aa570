// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/VersionMessage.h"

#include "ui/actions/ScreenCentring.h"
#include "ui/actions/TitleRoom.h"

#include <QMessageBox>

namespace quillby {

QString VersionMessageText()
{
    return QStringLiteral("Version " QUILLBY_PRODUCT_VERSION " ");
}

std::unique_ptr<QMessageBox> MakeVersionMessage(QWidget *window)
{
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Information, QStringLiteral("Information"),
                                      VersionMessageText(), QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("VersionMessage"));
    LeaveRoomForTitle(*box);
    CentreOnScreen(*box);
    return box;
}

void ShowVersionMessage(QWidget *window)
{
    MakeVersionMessage(window)->exec();
}

} // namespace quillby
