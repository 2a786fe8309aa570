// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

namespace quillby {

class TCaptionBarButtons;

// Tells assistive tools of the component's buttons: each one a push button of the form's window,
// named by its hint (or caption), pressed as a click on it would press it.
void ExposeCaptionButtons(TCaptionBarButtons &component);

} // namespace quillby
