// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "data/ResourceStore.h"
#include "data/StrRes.h"
#include "data/TextLines.h"
#include "data/WebsterLists.h"
#include "lookup/LookupEngine.h"
#include "ui/actions/ClipboardText.h"
#include "ui/actions/WebDictionary.h"
#include "ui/frame/FramedForm.h"
#include "ui/progress/ProgressFrm.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QShortcut;

namespace quillby {

class SuggestionModel;

// The program's one permanent window, "Spelling Lists": the word box, the suggestion list and
// the buttons. It owns the word data for the whole run: the Word list in its `words` component,
// the Webster lists in `WebsterLists`; its searches run in a lookup engine over them.
class TfrmAction : public FramedForm {
    Q_OBJECT

public:
    explicit TfrmAction(const ResourceStore &store, QWidget *parent = nullptr);
    ~TfrmAction() override;

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The window's tests and benchmarks look inside through app/ActionForm_p.h.
    friend class TfrmActionInspector;

    // Loading, run once before the window first becomes visible.
    void FormShow();
    TextLines LoadCompressedList(std::string_view name);
    void LoadWebsterLists();
    void FreeWebsterLists();
    void ShowLoadProgress(int percent);
    // Shows the information window modally; it is freed when it closes.
    void bthelpClick();

    // The caption bar's About button shows the version message.
    void CaptionBarButtons1Buttons0Click(QObject *Sender);

    // The searches: refill the suggestion list from the Moby list or from the Webster list of
    // the typed word's first letter.
    void btLookupClick();
    void btWebsterClick();

    // The suggestion list's menu, at a point on the screen; its one item turns best guesses on
    // and off. Off at every start: the searches list their matches in list order. On: both
    // searches put the likeliest words first, and the list shown is ordered again at once.
    // Opened from the keyboard (the Menu key or Shift+F10), it stands below the current item
    // with its first item highlighted, so that Return takes it.
    void ShowSuggestionsMenu(const QPoint &globalPos, bool fromKeyboard);
    bool BestGuessesFirst() const;

    // The actions on a word: take the selected suggestion, show and copy its definition, copy
    // the word (with best guesses first, the highlighted guess while the word box holds what
    // was searched for), look it up in the web dictionary.
    void cbValuesClick();
    void btDefineClick();
    void btCopyClick();
    void btDictComClick();

    void CreateControls();
    void WireHandlers();
    void SetTabOrder();
    void PlaceAtRightEdge();
    void CreateCaptionBar();
    // The word box text as the program's single-byte text.
    std::string WordBoxText() const;
    // Shows what `source` suggests for `text`; a search with nothing to search changes nothing.
    void Search(WordSource source, const std::string &text);
    void SelectRow(int row);
    // Runs the last search again, for the order just chosen.
    void RepeatLastSearch();
    // Where the keyboard opens the suggestion list's menu: below the current item.
    QPoint SuggestionsMenuPosition() const;
    // The selected suggestion; null when none is selected.
    const Suggestion *SelectedSuggestion() const;

    const ResourceStore &store_;
    TStringResource *words_;
    std::unique_ptr<WebsterLists> websterLists_;
    // Searches views of the lists above, so it goes before them.
    LookupEngine engine_;
    QPointer<TfrmProgress> progressForm_;
    bool shown_ = false;
    bool placed_ = false;
    SuggestionModel *suggestions_;
    // The list and the text of the search that filled the suggestion list.
    struct LastSearch {
        WordSource source;
        std::string text;
    };
    std::optional<LastSearch> lastSearch_;
    UrlOpener urlOpener_ = OpenUrlInBrowser;
    ClipboardWriter clipboardWriter_ = SetClipboardText;
    // Set while a search fills and selects the list: its selection is not the user's pick.
    bool fillingSuggestions_ = false;

    QFrame *pnlControls = nullptr;
    QLabel *lblWord = nullptr;
    QLineEdit *txtNotes = nullptr;
    QLabel *lblSuggestions = nullptr;
    QListView *cbValues = nullptr;
    QPushButton *bthelp = nullptr;
    QPushButton *btDefine = nullptr;
    QPushButton *btCopy = nullptr;
    QPushButton *btLookup = nullptr;
    QPushButton *btWebster = nullptr;
    QPushButton *btDictCom = nullptr;
    QPushButton *btClose = nullptr;
    QAction *bestGuessesAction_ = nullptr;
    // The Menu key needs no shortcut: the window system sends a context-menu event for it.
    QShortcut *shiftF10_ = nullptr;
};

} // namespace quillby
