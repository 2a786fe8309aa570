// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/ErrorBox.h"

#include "ui/actions/ScreenCentring.h"
#include "ui/actions/TitleRoom.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <new>

namespace quillby {

QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString ErrorMessage(const std::exception &error)
{
    if (dynamic_cast<const std::bad_alloc *>(&error))
        return QStringLiteral("Out of memory");
    return QString::fromLocal8Bit(error.what());
}

void ShowErrorBox(const QString &message, QWidget *window)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quillby"), ErrorBoxText(message),
                    QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("ErrorBox"));
    // Messages may quote what was read, markup-like text included: show it as it is.
    box.setTextFormat(Qt::PlainText);
    // Centred on the screen as the other message boxes are, whichever window it belongs to.
    LeaveRoomForTitle(box);
    CentreOnScreen(box);
    box.exec();
}

void RunHandler(const std::function<void()> &handler, QWidget *window)
{
    try {
        handler();
    } catch (const std::exception &error) {
        ShowErrorBox(ErrorMessage(error), window);
    }
}

} // namespace quillby
