// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// Closes the modal message boxes a test provokes, as a user would, and records what each one
// showed and where.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <vector>

namespace quillby::testing {

struct ShownBox {
    QString objectName;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton *>::size_type buttonCount = 0;
    QString buttonText;
    QMessageBox::StandardButtons standardButtons;
    Qt::TextFormat format = Qt::AutoText;
    QRect geometry;
    QRect screen;
    // The window the box belongs to on screen (its transient parent), if any.
    QWindow *owner = nullptr;
};

class ModalBoxCloser {
public:
    ModalBoxCloser()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    const std::vector<ShownBox> &boxes() const { return boxes_; }

private:
    void Poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const QList<QAbstractButton *> buttons = box->buttons();
        boxes_.push_back({box->objectName(), box->windowTitle(), box->text(), box->icon(),
                          buttons.size(), buttons.isEmpty() ? QString() : buttons.front()->text(),
                          box->standardButtons(), box->textFormat(), box->frameGeometry(),
                          box->screen() ? box->screen()->geometry() : QRect(),
                          box->windowHandle() ? box->windowHandle()->transientParent() : nullptr});
        box->done(QMessageBox::Ok);
    }

    QTimer timer_;
    std::vector<ShownBox> boxes_;
};

} // namespace quillby::testing
