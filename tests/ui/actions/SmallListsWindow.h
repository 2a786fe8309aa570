// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// The real main window over small word lists made for the test, driven as a user would.

#include "app/ActionForm.h"
#include "data/ListLoader.h"
#include "data/MemoryResourceStore.h"
#include "tests/support/ModalBoxCloser.h"
#include "tests/support/RawDeflate.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for texts and lists of texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace quillby::testing {

// Lines joined with CR LF after each, as the lists hold them.
inline std::string ListText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

// A store with a small Moby list and one small list per Webster letter; `webster` replaces the
// lists of the letters it names.
inline MemoryResourceStore SmallStore(const std::vector<std::string> &moby,
                                      const std::map<char, std::vector<std::string>> &webster)
{
    MemoryResourceStore store;
    store.Put(kRcData, ResourceKey(kWordListName), RawDeflate(ListText(moby)));
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const auto found = webster.find(letter);
        const std::vector<std::string> lines =
            found != webster.end() ? found->second
                                   : std::vector<std::string>{"\"" + std::string(1, letter) +
                                                              "\",\"n.\",\"A letter.\""};
        store.Put(kRcData, ResourceKey(WebsterListName(letter)), RawDeflate(ListText(lines)));
    }
    return store;
}

class DrivenWindow {
public:
    explicit DrivenWindow(MemoryResourceStore store)
        : store_(std::move(store))
        , form_(std::make_unique<TfrmAction>(store_))
    {
        form_->show();
        form_->activateWindow();
        if (!QTest::qWaitForWindowActive(form_.get()))
            qWarning("the window under test did not become active");
    }

    TfrmAction &form() { return *form_; }
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
    void Moby() { AltKey(Qt::Key_M, "btLookup"); }
    void Webster() { AltKey(Qt::Key_W, "BitBtn1"); }
    // Presses Alt+key and waits for the button it names to be clicked (a button's accelerator
    // clicks it with a short animation).
    void AltKey(Qt::Key key, const char *buttonName)
    {
        // A window manager gives the activation back when a message box closes; offscreen
        // nobody does.
        if (QApplication::activeWindow() != form_.get()) {
            form_->activateWindow();
            if (!QTest::qWaitForWindowActive(form_.get()))
                qWarning("the window under test did not become active");
        }
        QSignalSpy clicked(button(buttonName), &QAbstractButton::clicked);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form_.get(),
                        key, Qt::AltModifier);
        if (clicked.isEmpty() && !clicked.wait(2000))
            qWarning("Alt+%c did not press %s", char(key), buttonName);
    }
    void Click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

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
    MemoryResourceStore store_;
    std::unique_ptr<TfrmAction> form_;
};

} // namespace quillby::testing
