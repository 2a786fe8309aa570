// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/DefinitionBox.h"

#include "ui/actions/ScreenCentring.h"
#include "ui/actions/TitleRoom.h"

#include <QMessageBox>

namespace quillby {

void ShowDefinitionBox(const QString &text, QWidget *window)
{
    // Its own layout wraps long text within half the screen's width.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("DefinitionBox"));
    // Definitions hold markup left over from the data ("<B>"); show it as the text it is.
    box.setTextFormat(Qt::PlainText);
    LeaveRoomForTitle(box);
    CentreOnScreen(box);
    box.exec();
}

} // namespace quillby
