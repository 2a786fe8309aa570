// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/progress/ProgressFrm.h"

#include "ui/style/WindowFont.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace quillby {

namespace {
constexpr int kWidth = 185;
constexpr int kHeight = 21;
} // namespace

TfrmProgress::TfrmProgress(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus)
    , pnlProgress_(new QLabel(QStringLiteral("0%"), this))
{
    // A splash window that never takes the focus: no taskbar button comes and goes for each of
    // the lists, and the keyboard stays where the user left it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Progress"));
    setFont(WindowFont());
    setFixedSize(kWidth, kHeight);
    move(335, 197);

    pnlProgress_->setObjectName(QStringLiteral("pnlProgress"));
    pnlProgress_->setGeometry(0, 0, kWidth, kHeight);
    pnlProgress_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlProgress_->setLineWidth(1);
    pnlProgress_->setAlignment(Qt::AlignCenter);
    pnlProgress_->setAutoFillBackground(true);
    CentreOnDesktop();
}

void TfrmProgress::CentreOnDesktop()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The work area: the part of the screen that panels leave free.
    const QRect desktop = screen->availableGeometry();
    move(desktop.left() + (desktop.width() - width()) / 2,
         desktop.top() + (desktop.height() - height()) / 2);
}

} // namespace quillby
