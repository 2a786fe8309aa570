// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "app/ActionForm.h"

#include "app/CloseButton.h"
#include "app/ErrorBox.h"
#include "app/Placement.h"
#include "app/VersionMessage.h"
#include "data/Errors.h"
#include "data/ListLoader.h"
#include "text/Codepage1252.h"
#include "ui/actions/DefinitionBox.h"
#include "ui/actions/FirstLineOnly.h"
#include "ui/actions/SuggestionList.h"
#include "ui/actions/SuggestionModel.h"
#include "ui/help/Info.h"
#include "ui/progress/ProgressFrm.h"
#include "ui/style/WindowFont.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

namespace quillby {

namespace {

constexpr int kClientWidth = 317;
constexpr int kClientHeight = 161;

template <typename Button>
Button *PlaceButton(Button *button, const char *name, const QRect &geometry)
{
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    // No button is the default or the cancel button: Enter and Escape press nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption,
                        const QRect &geometry)
{
    return PlaceButton(new QPushButton(caption, parent), name, geometry);
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption, QPoint at)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TfrmAction::TfrmAction(const ResourceStore &store, QWidget *parent)
    : FramedForm(parent)
    , store_(store)
    , words_(new TStringResource(this))
    , engine_([&store] { return LoadWordPriors(store); })
    , suggestions_(new SuggestionModel(this))
{
    setObjectName(QStringLiteral("frmAction"));
    words_->setObjectName(QStringLiteral("words"));
    setWindowTitle(QStringLiteral("Spelling Lists"));
    setFont(WindowFont());
    // A dialog frame with a close box only, around the client area.
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientSize({kClientWidth, kClientHeight});
    move(kDesignTimePosition);
    CreateControls();
    CreateCaptionBar();
    SetTabOrder();
    WireHandlers();
    txtNotes->setFocus();
}

TfrmAction::~TfrmAction()
{
    // FormDestroy: the Webster lists go first; the Word list goes with its component.
    FreeWebsterLists();
}

void TfrmAction::CreateControls()
{
    pnlControls = new QFrame(ClientArea());
    pnlControls->setObjectName(QStringLiteral("pnlControls"));
    pnlControls->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlControls->setGeometry(0, 0, kClientWidth, kClientHeight);

    lblWord = MakeLabel(pnlControls, "lblWord", QStringLiteral("Word"), {12, 3});
    txtNotes = new QLineEdit(pnlControls);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setGeometry(8, 15, 229, 21);
    // One line: of a pasted text, the part before its first line break.
    txtNotes->setValidator(new FirstLineOnly(txtNotes));
    lblSuggestions =
        MakeLabel(pnlControls, "lblSuggestions", QStringLiteral("Suggestions"), {12, 36});
    cbValues = new SuggestionList(pnlControls);
    cbValues->setObjectName(QStringLiteral("cbValues"));
    cbValues->setGeometry(8, 48, 229, 73);
    cbValues->setSelectionMode(QAbstractItemView::SingleSelection);
    cbValues->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cbValues->setUniformItemSizes(true);
    cbValues->setModel(suggestions_);
    // Its menu opens with the right mouse button, the Menu key (both arrive as context-menu
    // events, seen by the event filter) or Shift+F10.
    cbValues->installEventFilter(this);
    cbValues->viewport()->installEventFilter(this);
    shiftF10_ = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), cbValues, nullptr, nullptr,
                              Qt::WidgetShortcut);
    bestGuessesAction_ = new QAction(QStringLiteral("&Best guesses first"), this);
    bestGuessesAction_->setObjectName(QStringLiteral("actBestGuesses"));
    bestGuessesAction_->setCheckable(true);
    // The menu is found by its tip (which assistive tools read as the list's description).
    cbValues->setToolTip(
        QStringLiteral("Right-click for best guesses first (or press the Menu key or Shift+F10)"));

    bthelp = MakeButton(pnlControls, "bthelp", QStringLiteral("&Help"), {240, 16, 65, 25});
    bthelp->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    btDefine =
        MakeButton(pnlControls, "btDefine", QStringLiteral("Definitions"), {240, 68, 65, 25});
    btCopy = MakeButton(pnlControls, "btCopy", QStringLiteral("&Copy"), {241, 97, 65, 25});
    btCopy->setIcon(QIcon(QStringLiteral(":/BITMAP/COPY")));
    btLookup = MakeButton(pnlControls, "btLookup", QStringLiteral("&Moby"), {9, 125, 64, 25});
    btLookup->setIcon(QIcon(QStringLiteral(":/BITMAP/MOBY")));
    btWebster = MakeButton(pnlControls, "btWebster", QStringLiteral("&Webster"), {73, 125, 76, 25});
    btWebster->setIcon(QIcon(QStringLiteral(":/BITMAP/WEBSTER")));
    btDictCom =
        MakeButton(pnlControls, "btDictCom", QStringLiteral("&Dictionary.com"), {151, 125, 89, 25});
    // "&Copy" and "&Close" share the letter C: Alt+C presses Copy, Close keeps no accelerator.
    btClose = PlaceButton(new CloseButton(pnlControls), "btClose", {241, 125, 65, 25});
    // The labels name the boxes below them, for assistive tools (a list takes no name from its
    // label, so it is given the label's text).
    lblWord->setBuddy(txtNotes);
    lblSuggestions->setBuddy(cbValues);
    cbValues->setAccessibleName(lblSuggestions->text());
}

// The caption bar, made from the window's stored description. A stored description that is
// missing or damaged is reported in the error box; the window then shows without the About
// button.
void TfrmAction::CreateCaptionBar()
{
    const auto handlers = [this](const QString &name) -> CaptionButtonClick {
        if (name == QLatin1String("CaptionBarButtons1Buttons0Click"))
            return [this](QObject *sender) { CaptionBarButtons1Buttons0Click(sender); };
        return {};
    };
    RunHandler(
        [this, &handlers] {
            LoadCaptionBarButtons(QStringLiteral(":/FORMS/ActionForm.json"), handlers);
        },
        this);
}

void TfrmAction::CaptionBarButtons1Buttons0Click(QObject *)
{
    ShowVersionMessage(this);
}

void TfrmAction::SetTabOrder()
{
    const QList<QWidget *> order = {btLookup, btCopy,   btDictCom, btClose, btWebster,
                                    txtNotes, cbValues, btDefine,  bthelp};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void TfrmAction::WireHandlers()
{
    const auto onClick = [this](QPushButton *button, void (TfrmAction::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { RunHandler([this, handler] { (this->*handler)(); }, this); });
    };
    onClick(btLookup, &TfrmAction::btLookupClick);
    onClick(btWebster, &TfrmAction::btWebsterClick);
    onClick(btDefine, &TfrmAction::btDefineClick);
    onClick(btCopy, &TfrmAction::btCopyClick);
    onClick(btDictCom, &TfrmAction::btDictComClick);
    onClick(bthelp, &TfrmAction::bthelpClick);
    // A suggestion is taken when the user picks it, by mouse or keyboard, and when the user
    // clicks the one already selected.
    const auto pick = [this] {
        if (!fillingSuggestions_)
            RunHandler([this] { cbValuesClick(); }, this);
    };
    connect(cbValues->selectionModel(), &QItemSelectionModel::selectionChanged, this, pick);
    connect(cbValues, &QListView::clicked, this, pick);
    // Enter and a double click take the highlighted word too (both activate it).
    connect(cbValues, &QListView::activated, this, pick);
    connect(btClose, &QPushButton::clicked, this, &QWidget::close);
    connect(shiftF10_, &QShortcut::activated, this,
            [this] { ShowSuggestionsMenu(SuggestionsMenuPosition(), true); });
    connect(bestGuessesAction_, &QAction::toggled, this,
            [this] { RunHandler([this] { RepeatLastSearch(); }); });
}

void TfrmAction::setVisible(bool visible)
{
    const bool firstShow = visible && !shown_;
    if (firstShow) {
        shown_ = true;
        RunHandler([this] { FormShow(); }, this);
    }
    QWidget::setVisible(visible);
    // The outer frame is only known for certain once the window is on screen.
    if (firstShow && placed_)
        PlaceAtRightEdge();
}

bool TfrmAction::eventFilter(QObject *watched, QEvent *event)
{
    // The suggestion list's menu: a context-menu event comes from the right button (to the
    // list's viewport) or from the Menu key (to the list, which has the focus). One event, one
    // menu.
    if (cbValues && (watched == cbValues || watched == cbValues->viewport()) &&
        event->type() == QEvent::ContextMenu) {
        const auto *request = static_cast<QContextMenuEvent *>(event);
        const bool fromKeyboard = request->reason() == QContextMenuEvent::Keyboard;
        ShowSuggestionsMenu(fromKeyboard ? SuggestionsMenuPosition() : request->globalPos(),
                            fromKeyboard);
        return true;
    }
    // The right button opens the suggestion list's menu; it does not pick the word under it.
    if (cbValues && watched == cbValues->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
                return true;
            break;
        default:
            break;
        }
    }
    return FramedForm::eventFilter(watched, event);
}

void TfrmAction::FormShow()
{
    words_->Lines() = LoadCompressedList(kWordListName);
    engine_.SetMobyList(words_->Lines());
    LoadWebsterLists();
    PlaceAtRightEdge();
    placed_ = true;
}

void TfrmAction::PlaceAtRightEdge()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    move(RightEdgePosition(screen->availableGeometry(), frameGeometry().size(),
                           screen->devicePixelRatio()));
}

TextLines TfrmAction::LoadCompressedList(std::string_view name)
{
    // The progress window lives for this one list, whatever happens while it loads; the guarded
    // pointer to it is null again as soon as it goes.
    TfrmProgress progress;
    progressForm_ = &progress;
    progress.show();
    QCoreApplication::processEvents();
    return LoadListResource(store_, name, [this](int percent) { ShowLoadProgress(percent); });
}

void TfrmAction::LoadWebsterLists()
{
    // Lists loaded before go first, with all that points into them.
    FreeWebsterLists();
    websterLists_ = std::make_unique<WebsterLists>();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        engine_.SetWebsterList(
            letter, websterLists_->Append(letter, LoadCompressedList(WebsterListName(letter))));
        QCoreApplication::processEvents();
    }
}

void TfrmAction::bthelpClick()
{
    // Lives for one modal showing; on screen it belongs to this window (no taskbar button of its
    // own, kept above it).
    TfrmInfo info(store_, QCoreApplication::applicationFilePath(), this);
    info.exec();
}

void TfrmAction::FreeWebsterLists()
{
    // Suggestions are views into the lists: they go first.
    suggestions_->Clear();
    lastSearch_.reset();
    engine_.FreeWebsterLists();
    websterLists_.reset();
}

void TfrmAction::ShowLoadProgress(int percent)
{
    if (progressForm_)
        progressForm_->pnlProgress()->setText(QStringLiteral("Loading: %1%").arg(percent));
    QCoreApplication::processEvents();
}

std::string TfrmAction::WordBoxText() const
{
    return ToCp1252(txtNotes->text());
}

void TfrmAction::btLookupClick()
{
    Search(WordSource::Moby, WordBoxText());
}

void TfrmAction::btWebsterClick()
{
    Search(WordSource::Webster, WordBoxText());
}

bool TfrmAction::BestGuessesFirst() const
{
    return bestGuessesAction_->isChecked();
}

void TfrmAction::Search(WordSource source, const std::string &text)
{
    // The engine answers before the list is emptied: should it fail, the list stays as it was.
    std::optional<SearchResult> found = engine_.Search(
        text, source,
        BestGuessesFirst() ? SuggestionOrder::BestGuesses : SuggestionOrder::ListOrder);
    if (!found)
        return;
    const QScopedValueRollback filling(fillingSuggestions_, true);
    suggestions_->SetSuggestions(std::move(found->suggestions));
    SelectRow(found->selectedRow);
    lastSearch_ = LastSearch{source, text};
}

void TfrmAction::SelectRow(int row)
{
    if (row < 0)
        return;
    const QModelIndex index = suggestions_->index(row);
    cbValues->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    cbValues->scrollTo(index);
}

void TfrmAction::RepeatLastSearch()
{
    if (!lastSearch_)
        return;
    // A copy: the search replaces what it repeats.
    const LastSearch last = *lastSearch_;
    Search(last.source, last.text);
}

void TfrmAction::ShowSuggestionsMenu(const QPoint &globalPos, bool fromKeyboard)
{
    QMenu menu(this);
    menu.addAction(bestGuessesAction_);
    // From the keyboard the item is highlighted, so that Return takes it.
    if (fromKeyboard)
        menu.setActiveAction(bestGuessesAction_);
    menu.exec(globalPos);
}

QPoint TfrmAction::SuggestionsMenuPosition() const
{
    const QModelIndex current = cbValues->currentIndex();
    const QRect item = current.isValid() ? cbValues->visualRect(current) : QRect();
    const QRect shown = item.intersected(cbValues->viewport()->rect());
    const QPoint at = shown.isValid() ? shown.bottomLeft() : QPoint(0, 0);
    return cbValues->viewport()->mapToGlobal(at);
}

const Suggestion *TfrmAction::SelectedSuggestion() const
{
    const QModelIndexList selected = cbValues->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? nullptr : suggestions_->At(selected.front().row());
}

void TfrmAction::cbValuesClick()
{
    if (const Suggestion *item = SelectedSuggestion())
        txtNotes->setText(FromCp1252(item->word));
}

void TfrmAction::btDefineClick()
{
    const Suggestion *item = SelectedSuggestion();
    if (!item || !item->node)
        return;
    std::string text(item->word);
    text += "  (";
    text += item->node->PartOfSpeech();
    text += ")\r\n";
    text += item->node->Definition();
    const QString shown = FromCp1252(text);
    ShowDefinitionBox(shown, this);
    clipboardWriter_(shown);
}

// With best guesses first, the highlighted suggestion is the word the user most likely means:
// Copy takes it, as long as the word box still holds what was searched for. In list order, and
// once the word box has been changed, Copy takes the word box.
void TfrmAction::btCopyClick()
{
    const std::string typed = WordBoxText();
    const Suggestion *guess = SelectedSuggestion();
    if (BestGuessesFirst() && guess && lastSearch_ && lastSearch_->text == typed) {
        clipboardWriter_(FromCp1252(guess->word));
        return;
    }
    clipboardWriter_(FromCp1252(typed));
}

void TfrmAction::btDictComClick()
{
    const QUrl url = WebDictionaryUrl(WordBoxText());
    if (!urlOpener_(url))
        throw QuillbyError(BrowserNotOpenedMessage(url));
}

} // namespace quillby
