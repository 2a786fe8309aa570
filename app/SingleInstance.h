// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace quillby {

// The marker that lets only one copy run: a lock file named after `name` in the user's runtime
// folder. A marker left behind by a copy that died does not count. When the marker cannot be
// made at all (an unwritable folder), the program runs without it rather than never.
class SingleInstance {
public:
    explicit SingleInstance(const QString &name);
    SingleInstance(const QString &name, const QString &folder);

    // True when another copy holds the marker.
    bool AnotherCopyRuns() const { return anotherCopyRuns_; }
    bool HoldsMarker() const { return lock_ && lock_->isLocked(); }
    static QString DefaultFolder();

private:
    std::unique_ptr<QLockFile> lock_;
    bool anotherCopyRuns_ = false;
};

} // namespace quillby
