// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// A whole session on the program's own lists, then a leak check: start, a Moby search, a
// Webster search, Definitions, Copy, Help, close. In the sanitizer build the leak checker runs
// once the window is gone and must find nothing.

#include "tests/reliability/LeakSession.h"
#include "resources/QtResourceStore.h"
#include "tests/support/DrivenWindow.h"
#include "ui/help/Info.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

namespace quillby {
namespace {

// Clicks Help and closes the information window as soon as it shows; true when it showed.
// `window` follows the window, and is null again once it has been freed.
bool OpenAndCloseHelp(testing::DrivenWindow &form, QPointer<TfrmInfo> &window)
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
    form.Click("bthelp"); // returns once the modal window has closed
    return shown;
}

TEST(LeakSession, StartSearchDefineCopyHelpAndCloseLeaveNothingBehind)
{
    static const QtResourceStore store;
    QPointer<TfrmInfo> help;
    {
        testing::ModalBoxCloser boxes;
        testing::DrivenWindow form(store);
        ASSERT_TRUE(boxes.boxes().empty()) << "the lists load without an error";

        form.Type(QStringLiteral("rythm"));
        form.Click("btLookup");
        EXPECT_TRUE(form.Items().contains(QStringLiteral("rhythm")));

        form.Type(QStringLiteral("Azymic"));
        form.Click("btWebster");
        EXPECT_TRUE(form.Items().contains(QStringLiteral("Azymic")));

        form.Click("btDefine");
        ASSERT_EQ(boxes.boxes().size(), 1u) << "Definitions shows its box";
        EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Azymic  (a.)\r\nAzymous."));

        form.Click("btCopy");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Azymic"));

        EXPECT_TRUE(OpenAndCloseHelp(form, help));
        EXPECT_TRUE(help.isNull()) << "the information window is freed when it closes";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        form.Click("btClose");
        EXPECT_FALSE(form.form().isVisible());
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
