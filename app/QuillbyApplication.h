// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QApplication>

namespace quillby {

// The application object: titles the program "Quillby", gives its version and application id,
// and shows any error that escapes an event handler in the error box, after which the event
// loop goes on.
class QuillbyApplication : public QApplication {
    Q_OBJECT

public:
    QuillbyApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace quillby
