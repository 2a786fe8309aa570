// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// What the main window keeps to itself, for its tests and benchmarks: the lists it loaded, its
// loading and search steps, its menu's state, and the seams where the browser and the clipboard
// are replaced. The program itself never includes this header.

#include "app/ActionForm.h"

#include <utility>

namespace quillby {

class TfrmActionInspector {
public:
    explicit TfrmActionInspector(TfrmAction &form)
        : form_(form)
    {
    }

    // The Word list, empty until loaded; the Webster lists, null until LoadWebsterLists has
    // created them; the progress window while a list loads.
    const TStringResource *words() const { return form_.words_; }
    const WebsterLists *websterLists() const { return form_.websterLists_.get(); }
    TfrmProgress *ProgressForm() const { return form_.progressForm_; }
    void LoadWebsterLists() { form_.LoadWebsterLists(); }
    void FreeWebsterLists() { form_.FreeWebsterLists(); }
    void ShowLoadProgress(int percent) { form_.ShowLoadProgress(percent); }

    // The Moby search, as its button runs it.
    void btLookupClick() { form_.btLookupClick(); }

    // The suggestion list's menu item, and whether best guesses come first.
    QAction *bestGuessesAction() const { return form_.bestGuessesAction_; }
    bool BestGuessesFirst() const { return form_.BestGuessesFirst(); }

    // Where the web lookup and the clipboard go instead of the browser and the system clipboard.
    void SetUrlOpener(UrlOpener opener) { form_.urlOpener_ = std::move(opener); }
    void SetClipboardWriter(ClipboardWriter writer) { form_.clipboardWriter_ = std::move(writer); }

private:
    TfrmAction &form_;
};

} // namespace quillby
