#pragma once

// Answers the modal message boxes a test provokes: each one is recorded and closed with its
// default button as soon as it shows, so the test goes on instead of waiting for a user.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <vector>

namespace quillby::testing {

struct CaughtBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
};

class MessageBoxCatcher {
public:
    MessageBoxCatcher()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    const std::vector<CaughtBox> &boxes() const { return boxes_; }

private:
    void Poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                          box->textFormat()});
        box->done(QMessageBox::Ok);
    }

    QTimer timer_;
    std::vector<CaughtBox> boxes_;
};

} // namespace quillby::testing
