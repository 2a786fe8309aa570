// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// The real main window, shown and active, driven as a user would: typing or pasting into the
// word box, the buttons by mouse and by their Alt keys; and what it then shows.

#include "app/ActionForm_p.h"
#include "data/MemoryResourceStore.h"
#include "tests/support/ModalBoxCloser.h"
#include "tests/support/TestStores.h"
#include "tests/support/TextPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>
#include <ostream>
#include <vector>

namespace quillby::testing {

class DrivenWindow {
public:
    // Over a store of its own, or over one that outlives the window. The window shows at once:
    // a ModalBoxCloser made before it answers the error box of a list that fails to load.
    explicit DrivenWindow(MemoryResourceStore &&store)
        : ownStore_(std::make_unique<MemoryResourceStore>(std::move(store)))
        , form_(std::make_unique<TfrmAction>(*ownStore_))
    {
        Show();
    }
    explicit DrivenWindow(const ResourceStore &store)
        : form_(std::make_unique<TfrmAction>(store))
    {
        Show();
    }

    TfrmAction &form() { return *form_; }
    // What the window keeps to itself.
    TfrmActionInspector inspect() { return TfrmActionInspector(*form_); }
    QLineEdit *txtNotes() { return form_->findChild<QLineEdit *>(QStringLiteral("txtNotes")); }
    QListView *cbValues() { return form_->findChild<QListView *>(QStringLiteral("cbValues")); }
    QPushButton *button(const char *name)
    {
        return form_->findChild<QPushButton *>(QLatin1String(name));
    }

    // Replaces the word box text by typing.
    void Type(const QString &text)
    {
        txtNotes()->setFocus();
        txtNotes()->selectAll();
        QTest::keyClick(txtNotes(), Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(txtNotes(), c.toLatin1());
            else // no key of its own: as an input method delivers it
                QTest::sendKeyEvent(QTest::Click, txtNotes(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
        if (txtNotes()->text() != text)
            qWarning("typing into the word box gave \"%s\"", qPrintable(txtNotes()->text()));
    }
    // Replaces the word box text by pasting, as a user brings in a long text.
    void Paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        txtNotes()->setFocus();
        txtNotes()->selectAll();
        QTest::keyClick(txtNotes(), Qt::Key_V, Qt::ControlModifier);
    }
    void Moby() { AltKey(Qt::Key_M, "btLookup"); }
    void Webster() { AltKey(Qt::Key_W, "btWebster"); }
    // Presses Alt+key and waits for the button it names to be clicked (a button's accelerator
    // clicks it with a short animation).
    void AltKey(Qt::Key key, const char *buttonName)
    {
        // A window manager gives the activation back when a message box closes; offscreen
        // nobody does.
        if (QApplication::activeWindow() != form_.get())
            Activate();
        QSignalSpy clicked(button(buttonName), &QAbstractButton::clicked);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form_.get(),
                        key, Qt::AltModifier);
        if (clicked.isEmpty() && !clicked.wait(2000))
            qWarning("Alt+%c did not press %s", char(key), buttonName);
    }
    void Click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // From now on the web dictionary's addresses are kept for Opened(), not handed to the
    // browser.
    void CaptureUrls()
    {
        inspect().SetUrlOpener([this](const QUrl &url) {
            opened_.push_back(url);
            return true;
        });
    }
    const std::vector<QUrl> &Opened() const { return opened_; }

    QStringList Items()
    {
        QStringList items;
        const QAbstractItemModel *model = cbValues()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            items << model->index(row, 0).data().toString();
        return items;
    }
    // The selected row; -1 when none is selected.
    int SelectedRow()
    {
        const QModelIndexList selected = cbValues()->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? -1 : selected.front().row();
    }
    QString WordBox() { return txtNotes()->text(); }

private:
    void Show()
    {
        form_->show();
        Activate();
    }
    void Activate()
    {
        form_->activateWindow();
        if (!QTest::qWaitForWindowActive(form_.get()))
            qWarning("the window under test did not become active");
    }

    std::unique_ptr<MemoryResourceStore> ownStore_;
    std::unique_ptr<TfrmAction> form_;
    std::vector<QUrl> opened_;
};

} // namespace quillby::testing
