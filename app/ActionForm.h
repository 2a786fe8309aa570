#pragma once

#include "ProgressFrm.h"
#include "ResourceStore.h"
#include "StrRes.h"
#include "TextLines.h"
#include "WebsterLists.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string_view>

class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace quillby {

// The program's one permanent window, "Spelling Lists": the word box, the suggestion list and
// the buttons. It owns the word data for the whole run.
class TfrmAction : public QWidget {
    Q_OBJECT

public:
    explicit TfrmAction(const ResourceStore &store, QWidget *parent = nullptr);
    ~TfrmAction() override;

    // Loading, run once before the window first becomes visible.
    void FormShow();
    TextLines LoadCompressedList(std::string_view name);
    void LoadWebsterLists();
    void FreeWebsterLists();
    void ShowLoadProgress(int percent);
    // Shows the information window modally; it is freed when it closes.
    void bthelpClick();

    TStringResource *words() const { return words_; }
    // Null until LoadWebsterLists has created it.
    const WebsterLists *websterLists() const { return websterLists_.get(); }
    TfrmProgress *ProgressForm() const { return progressForm_; }

    void setVisible(bool visible) override;

private:
    void CreateControls();
    void WireHandlers();
    void SetTabOrder();
    void PlaceAtRightEdge();

    const ResourceStore &store_;
    TStringResource *words_;
    std::unique_ptr<WebsterLists> websterLists_;
    QPointer<TfrmProgress> progressForm_;
    bool shown_ = false;
    bool placed_ = false;

    QFrame *Panel1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtNotes = nullptr;
    QLabel *Label1 = nullptr;
    QListView *cbValues = nullptr;
    QPushButton *bthelp = nullptr;
    QPushButton *btDefine = nullptr;
    QPushButton *btCopy = nullptr;
    QPushButton *btLookup = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *btDictCom = nullptr;
    QPushButton *btClose = nullptr;
};

} // namespace quillby
