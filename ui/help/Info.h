// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"

#include <QCoreApplication>
#include <QDialog>
#include <QIcon>

#include <array>

class QStatusBar;
class QToolBar;
class QToolButton;

namespace quillby {

class ResourceBrowser;

// "Program Information and Credits": the help pages built into the program, with a tool bar to
// go home or one page back. Made for one modal showing and freed when it closes.
class TfrmInfo : public QDialog {
    Q_OBJECT

public:
    explicit TfrmInfo(const ResourceStore &store,
                      const QString &programPath = QCoreApplication::applicationFilePath(),
                      QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The window's tests look inside through ui/help/Info_p.h.
    friend class TfrmInfoInspector;

    // Go home: the viewer is set offline, then sent to the home page. Then the tool bar's
    // Home and Back.
    void FormShow();
    void tbtnHomeClick();
    void tbtnBackClick();

    // The address of the home page inside this program file.
    QString HomeUrl() const;

    void CreateControls(const ResourceStore &store, const QString &programPath);
    void WireHandlers();

    // Image 0 Home, image 1 Back; image 2 is used by no button.
    std::array<QIcon, 3> imgToolButtons_;
    QToolBar *tbrPages_ = nullptr;
    QToolButton *tbtnHome_ = nullptr;
    QToolButton *tbtnBack_ = nullptr;
    ResourceBrowser *wbPages_ = nullptr;
    QStatusBar *sbStatus_ = nullptr;
};

} // namespace quillby
