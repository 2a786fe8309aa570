// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

namespace quillby {

// Shows a definition modally: title "Warning", the warning icon, one OK button, centred on the
// screen, the text wrapped at word boundaries within half the screen's width.
void ShowDefinitionBox(const QString &text);

} // namespace quillby
