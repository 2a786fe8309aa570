// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

#include <memory>

class QMessageBox;

namespace quillby {

// "Version 2.00 ", as the About button shows it (the trailing space belongs to it).
QString VersionMessageText();

// The version message: titled "Information", the information icon, one OK button.
std::unique_ptr<QMessageBox> MakeVersionMessage();

// Shows the version message modally, centred on the screen.
void ShowVersionMessage();

} // namespace quillby
