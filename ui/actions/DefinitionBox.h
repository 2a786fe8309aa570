// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

class QWidget;

namespace quillby {

// Shows a definition modally: title "Warning", the warning icon, one OK button, centred on the
// screen, the text wrapped at word boundaries within half the screen's width. The box belongs
// to `window` (no taskbar button of its own, kept above it).
void ShowDefinitionBox(const QString &text, QWidget *window = nullptr);

} // namespace quillby
