// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/QuillbyApplication.h"

#include "app/ErrorBox.h"

#include <QWidget>

namespace quillby {

QuillbyApplication::QuillbyApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quillby"));
    setApplicationVersion(QStringLiteral(QUILLBY_VERSION));
    // The application id, which names the installed desktop entry, so that the window system
    // finds the program's name and icon there.
    setDesktopFileName(QStringLiteral(QUILLBY_APP_ID));
}

bool QuillbyApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        // The box belongs to the window whose event failed.
        const auto *widget = qobject_cast<QWidget *>(receiver);
        ShowErrorBox(ErrorMessage(error), widget ? widget->window() : nullptr);
    }
    return false;
}

} // namespace quillby
