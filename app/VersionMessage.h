// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace quillby {

// "Version 2.00 ", as the About button shows it (the trailing space belongs to it).
QString VersionMessageText();

// The version message: titled "Information" (the box wide enough for the whole title), the
// information icon, one OK button, centred on the screen. It belongs to `window` (no taskbar
// button of its own, kept above it).
std::unique_ptr<QMessageBox> MakeVersionMessage(QWidget *window = nullptr);

// Shows the version message modally.
void ShowVersionMessage(QWidget *window = nullptr);

} // namespace quillby
