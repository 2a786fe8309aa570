// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace quillby {

// The text of the application's error box: the error's message with a full stop added when its
// last character sorts after ".".
QString ErrorBoxText(const QString &message);
QString ErrorMessage(const std::exception &error);

// Shows the application's error box: title "Quillby", the critical icon, one OK button, centred
// on the screen. The box belongs to `window` when given (no taskbar button of its own, kept
// above it).
void ShowErrorBox(const QString &message, QWidget *window = nullptr);

// Runs one event handler of `window`; an error it raises ends the handler and is shown in the
// error box.
void RunHandler(const std::function<void()> &handler, QWidget *window = nullptr);

} // namespace quillby
