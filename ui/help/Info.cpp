// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/help/Info.h"

#include "ui/help/HelpPageUrl.h"
#include "ui/help/ResourceBrowser.h"
#include "ui/style/WindowFont.h"

#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillby {

namespace {

constexpr QPoint kPosition{394, 173};
constexpr QSize kClientSize{532, 373};
constexpr int kToolBarHeight = 29;
constexpr int kSeparatorWidth = 8;
constexpr int kStatusBarHeight = 19;

QToolButton *MakeToolButton(QToolBar *bar, const char *name, const QIcon &image,
                            const QString &hint, const QKeySequence &key)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(image);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    // The hint is kept for assistive tools only; hints are not shown as tooltips here.
    button->setAccessibleName(hint);
    button->setShortcut(key);
    bar->addWidget(button);
    return button;
}

} // namespace

TfrmInfo::TfrmInfo(const ResourceStore &store, const QString &programPath, QWidget *parent)
    // A dialog, so that the window system keeps it with the window it belongs to (X11 names
    // that window only for dialogs), with the caption boxes of a sizeable window.
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Program Information and Credits"));
    setFont(WindowFont());
    imgToolButtons_ = {QIcon(QStringLiteral(":/IMAGES/info_home.xpm")),
                       QIcon(QStringLiteral(":/IMAGES/info_back.xpm")),
                       QIcon(QStringLiteral(":/IMAGES/info_forward.xpm"))};
    CreateControls(store, programPath);
    WireHandlers();
    resize(kClientSize);
    move(kPosition);
}

void TfrmInfo::CreateControls(const ResourceStore &store, const QString &programPath)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    tbrPages_ = new QToolBar(this);
    tbrPages_->setObjectName(QStringLiteral("tbrPages"));
    tbrPages_->setFixedHeight(kToolBarHeight);
    tbrPages_->setIconSize(QSize(16, 16));
    tbrPages_->setMovable(false);
    tbrPages_->setFloatable(false);
    // Every part has a name for assistive tools; the buttons take their hints.
    tbrPages_->setAccessibleName(QStringLiteral("Navigation"));
    tbtnHome_ = MakeToolButton(tbrPages_, "tbtnHome", imgToolButtons_[0], QStringLiteral("Home"),
                               QKeySequence(Qt::ALT | Qt::Key_Home));
    auto *tbtnSeparator = new QWidget(tbrPages_);
    tbtnSeparator->setObjectName(QStringLiteral("tbtnSeparator"));
    tbtnSeparator->setAccessibleName(QStringLiteral("Separator"));
    tbtnSeparator->setFixedWidth(kSeparatorWidth);
    tbrPages_->addWidget(tbtnSeparator);
    tbtnBack_ = MakeToolButton(tbrPages_, "tbtnBack", imgToolButtons_[1], QStringLiteral("Back"),
                               QKeySequence(Qt::ALT | Qt::Key_Left));
    layout->addWidget(tbrPages_);

    wbPages_ = new ResourceBrowser(store, programPath, this);
    wbPages_->setObjectName(QStringLiteral("wbPages"));
    wbPages_->setAccessibleName(QStringLiteral("Help page"));
    layout->addWidget(wbPages_, 1);

    sbStatus_ = new QStatusBar(this);
    sbStatus_->setObjectName(QStringLiteral("sbStatus"));
    sbStatus_->setAccessibleName(QStringLiteral("Status"));
    sbStatus_->setFixedHeight(kStatusBarHeight);
    layout->addWidget(sbStatus_);
}

void TfrmInfo::WireHandlers()
{
    connect(tbtnHome_, &QToolButton::clicked, this, &TfrmInfo::tbtnHomeClick);
    connect(tbtnBack_, &QToolButton::clicked, this, &TfrmInfo::tbtnBackClick);
}

QString TfrmInfo::HomeUrl() const
{
    return HelpPageUrl(wbPages_->ProgramPath(), QString::fromUtf16(kHomePageName));
}

void TfrmInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Only when the program shows the window, not when the desktop restores it.
    if (!event->spontaneous())
        FormShow();
}

void TfrmInfo::FormShow()
{
    wbPages_->setOffline(true);
    wbPages_->Navigate(HomeUrl());
}

void TfrmInfo::tbtnHomeClick()
{
    FormShow();
}

void TfrmInfo::tbtnBackClick()
{
    wbPages_->GoBack();
}

} // namespace quillby
