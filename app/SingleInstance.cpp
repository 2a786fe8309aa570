// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace quillby {

SingleInstance::SingleInstance(const QString &name)
    : SingleInstance(name, DefaultFolder())
{
}

SingleInstance::SingleInstance(const QString &name, const QString &folder)
{
    lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(name + QStringLiteral(".lock")));
    // A running copy may run for days: only a dead owner makes the marker stale, never its age.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return;
    anotherCopyRuns_ = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
}

QString SingleInstance::DefaultFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace quillby
