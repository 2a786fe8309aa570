// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QValidator>

namespace quillby {

// Keeps a one-line edit box to one line: of a text put into it (pasted, dropped, set) that holds
// line breaks, only the part before the first break goes in, as a single-line edit box takes
// the first line of a paste.
class FirstLineOnly : public QValidator {
    Q_OBJECT

public:
    explicit FirstLineOnly(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
};

} // namespace quillby
