// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/TextLines.h"

#include <QObject>
#include <QString>

namespace quillby {

// A non-visual component holding one owned list of lines. Reading Lines gives the list itself,
// so a loader may fill it directly; SetLines copies.
class TStringResource : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString TagName READ TagName WRITE SetTagName)

public:
    explicit TStringResource(QObject *parent = nullptr);

    TextLines &Lines() { return lines_; }
    const TextLines &Lines() const { return lines_; }
    void SetLines(const TextLines &lines);

    QString TagName() const { return tagName_; }
    void SetTagName(const QString &name);

private:
    TextLines lines_;
    QString tagName_;
};

} // namespace quillby
