// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

class QObject;

namespace quillby {

class FramedFormPrivate;
class TCaptionButtons;

// Tells assistive tools of the buttons that `source` draws in the frame's caption: each one a
// push button of the form's window, named by its hint (or caption), pressed as a click on it
// would press it.
void ExposeCaptionButtons(FramedFormPrivate &frame, QObject *source,
                          const TCaptionButtons &buttons);

} // namespace quillby
