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
    imageList1_ = {QIcon(QStringLiteral(":/IMAGES/info_home.xpm")),
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

    toolBar1_ = new QToolBar(this);
    toolBar1_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar1_->setFixedHeight(kToolBarHeight);
    toolBar1_->setIconSize(QSize(16, 16));
    toolBar1_->setMovable(false);
    toolBar1_->setFloatable(false);
    toolButton1_ = MakeToolButton(toolBar1_, "ToolButton1", imageList1_[0], QStringLiteral("Home"),
                                  QKeySequence(Qt::ALT | Qt::Key_Home));
    auto *toolButton2 = new QWidget(toolBar1_);
    toolButton2->setObjectName(QStringLiteral("ToolButton2"));
    toolButton2->setFixedWidth(kSeparatorWidth);
    toolBar1_->addWidget(toolButton2);
    toolButton3_ = MakeToolButton(toolBar1_, "ToolButton3", imageList1_[1], QStringLiteral("Back"),
                                  QKeySequence(Qt::ALT | Qt::Key_Left));
    layout->addWidget(toolBar1_);

    webBrowser1_ = new ResourceBrowser(store, programPath, this);
    webBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    layout->addWidget(webBrowser1_, 1);

    statusBar1_ = new QStatusBar(this);
    statusBar1_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar1_->setFixedHeight(kStatusBarHeight);
    layout->addWidget(statusBar1_);
}

void TfrmInfo::WireHandlers()
{
    connect(toolButton1_, &QToolButton::clicked, this, &TfrmInfo::ToolButton1Click);
    connect(toolButton3_, &QToolButton::clicked, this, &TfrmInfo::ToolButton3Click);
}

QString TfrmInfo::HomeUrl() const
{
    return HelpPageUrl(webBrowser1_->ProgramPath(), QString::fromUtf16(kHomePageName));
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
    webBrowser1_->setOffline(true);
    webBrowser1_->Navigate(HomeUrl());
}

void TfrmInfo::ToolButton1Click()
{
    FormShow();
}

void TfrmInfo::ToolButton3Click()
{
    webBrowser1_->GoBack();
}

} // namespace quillby
