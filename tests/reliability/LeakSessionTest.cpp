// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// A whole session on the program's own lists, then a leak check: start, a Moby search, a
// Webster search, Definitions, Copy, Help, close. In the sanitizer build the leak checker runs
// once the window is gone and must find nothing.

#include "tests/reliability/LeakSession.h"
#include "app/ActionForm.h"
#include "resources/QtResourceStore.h"
#include "tests/support/ModalBoxCloser.h"
#include "ui/help/Info.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace quillby {
namespace {

QStringList Items(const TfrmAction &form)
{
    QStringList items;
    const QAbstractItemModel *model =
        form.findChild<QListView *>(QStringLiteral("cbValues"))->model();
    for (int row = 0; row < model->rowCount(); ++row)
        items << model->index(row, 0).data().toString();
    return items;
}

void Type(TfrmAction &form, const QString &text)
{
    auto *box = form.findChild<QLineEdit *>(QStringLiteral("txtNotes"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void Click(TfrmAction &form, const char *button)
{
    QTest::mouseClick(form.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

// Clicks Help and closes the information window as soon as it shows; true when it showed.
// `window` follows the window, and is null again once it has been freed.
bool OpenAndCloseHelp(TfrmAction &form, QPointer<TfrmInfo> &window)
{
    bool shown = false;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *info = qobject_cast<TfrmInfo *>(QApplication::activeModalWidget());
        if (!info || !info->isVisible())
            return;
        watch.stop();
        shown = true;
        window = info;
        info->close();
    });
    watch.start();
    Click(form, "bthelp"); // returns once the modal window has closed
    return shown;
}

TEST(LeakSession, StartSearchDefineCopyHelpAndCloseLeaveNothingBehind)
{
    static const QtResourceStore store;
    QPointer<TfrmInfo> help;
    {
        testing::ModalBoxCloser boxes;
        auto form = std::make_unique<TfrmAction>(store);
        form->show();
        ASSERT_TRUE(boxes.boxes().empty()) << "the lists load without an error";

        Type(*form, QStringLiteral("rythm"));
        Click(*form, "btLookup");
        EXPECT_TRUE(Items(*form).contains(QStringLiteral("rhythm")));

        Type(*form, QStringLiteral("Azymic"));
        Click(*form, "BitBtn1");
        EXPECT_TRUE(Items(*form).contains(QStringLiteral("Azymic")));

        Click(*form, "btDefine");
        ASSERT_EQ(boxes.boxes().size(), 1u) << "Definitions shows its box";
        EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Azymic  (a.)\r\nAzymous."));

        Click(*form, "btCopy");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Azymic"));

        EXPECT_TRUE(OpenAndCloseHelp(*form, help));
        EXPECT_TRUE(help.isNull()) << "the information window is freed when it closes";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        Click(*form, "btClose");
        EXPECT_FALSE(form->isVisible());
    }
    // Whatever was handed over for later deletion goes now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();

    if (testing::kLeakCheckerBuilt) {
        EXPECT_FALSE(testing::LeaksFound()) << "see the leak report above";
    }
}

} // namespace
} // namespace quillby
