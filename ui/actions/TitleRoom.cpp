// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/TitleRoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace quillby {

namespace {

// Beside the title a caption holds the window's icon and up to three buttons (minimise,
// maximise, close), each about as wide as the caption is high, with gaps between them.
constexpr int kCaptionPiecesBesideTitle = 5;

} // namespace

void LeaveRoomForTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    QFont captionFont = QApplication::font("QMdiSubWindowTitleBar");
    captionFont.setBold(true);
    const QFontMetrics metrics(captionFont);
    const int captionHeight = metrics.height() + 6;
    const int width =
        metrics.horizontalAdvance(box.windowTitle()) + kCaptionPiecesBesideTitle * captionHeight;
    // A row of its own below the others, as wide as the title needs and no higher than nothing:
    // the box's own sizing takes it into account.
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace quillby
