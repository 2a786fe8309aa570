// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Taking a suggestion, Definitions, Copy and the web dictionary, driven through the real window.

#include "data/Errors.h"
#include "tests/support/DrivenWindow.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace quillby::testing::word_actions {
namespace {

const std::vector<std::string> kMoby = {"cat", "cat's", "catalog", "radon", "rhythm"};

const std::map<char, std::vector<std::string>> kWebster = {
    {'A',
     {R"("Abed","adv.","In bed, or on the bed.")",
      R"("Abed","adv.","To childbed (in the phrase "brought abed," that is, delivered).")",
      R"("Azymic","a.","Azymous.")", R"("Azymous","a.","Unleavened; unfermented.")",
      R"("<P>"," (","<B>Inequality</B>")"}},
    {'X', {R"("X","","X, the twenty-fourth letter of the English alphabet.")"}},
};

MemoryResourceStore Store()
{
    return SmallStore(kMoby, kWebster);
}

QString Clipboard()
{
    return QGuiApplication::clipboard()->text();
}

void SetClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    ASSERT_EQ(Clipboard(), text);
}

TEST(TakeSuggestion, ArrowKeysAndClicksFillTheWordBox)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("ca"));
    window.Moby();
    ASSERT_EQ(window.Items(), (QStringList{"cat", "cat's", "catalog"}));
    EXPECT_EQ(window.WordBox(), QStringLiteral("ca"));

    window.cbValues()->setFocus();
    QTest::keyClick(window.cbValues(), Qt::Key_Down);
    EXPECT_EQ(window.WordBox(), QStringLiteral("cat's"));
    QTest::keyClick(window.cbValues(), Qt::Key_End);
    EXPECT_EQ(window.WordBox(), QStringLiteral("catalog"));
    QTest::keyClick(window.cbValues(), Qt::Key_Home);
    EXPECT_EQ(window.WordBox(), QStringLiteral("cat"));

    const QRect second = window.cbValues()->visualRect(window.cbValues()->model()->index(1, 0));
    QTest::mouseClick(window.cbValues()->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(window.WordBox(), QStringLiteral("cat's"));
    EXPECT_EQ(window.Items().size(), 3) << "taking a suggestion keeps the list";
}

TEST(TakeSuggestion, ClickOnTheItemASearchSelectedTakesIt)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("rythm"));
    window.Moby();
    ASSERT_EQ(window.Items(), (QStringList{"radon", "rhythm"}));
    ASSERT_EQ(window.SelectedRow(), 0);
    const QRect first = window.cbValues()->visualRect(window.cbValues()->model()->index(0, 0));
    QTest::mouseClick(window.cbValues()->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(window.WordBox(), QStringLiteral("radon"));
}

TEST(TakeSuggestion, EnterAndDoubleClickTakeTheHighlightedWord)
{
    DrivenWindow window(Store());
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        window.Type(QStringLiteral("rythm"));
        window.Moby();
        ASSERT_EQ(window.SelectedRow(), 0);
        ASSERT_EQ(window.WordBox(), QStringLiteral("rythm"));
        window.cbValues()->setFocus();
        QTest::keyClick(window.cbValues(), enter);
        EXPECT_EQ(window.WordBox(), QStringLiteral("radon")) << "the word the search highlighted";
    }

    window.Type(QStringLiteral("rythm"));
    window.Moby();
    const QRect second = window.cbValues()->visualRect(window.cbValues()->model()->index(1, 0));
    QTest::mouseDClick(window.cbValues()->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(window.WordBox(), QStringLiteral("rhythm"));
    EXPECT_EQ(window.Items(), (QStringList{"radon", "rhythm"})) << "taking a word keeps the list";
}

struct DefinitionCase {
    const char *typed;
    int down; // arrow-down presses in the list after the search
    const char *expected;
};

class Definitions : public ::testing::TestWithParam<DefinitionCase> {};

TEST_P(Definitions, ShowsThenCopiesTheEntry)
{
    const DefinitionCase &c = GetParam();
    DrivenWindow window(Store());
    window.Type(QString::fromUtf8(c.typed));
    window.Webster();
    window.cbValues()->setFocus();
    for (int i = 0; i < c.down; ++i)
        QTest::keyClick(window.cbValues(), Qt::Key_Down);
    SetClipboard(QStringLiteral("before"));

    ModalBoxCloser boxes;
    window.Click("btDefine");
    const QString expected = QString::fromUtf8(c.expected);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const ShownBox &box = boxes.boxes()[0];
    EXPECT_EQ(box.title, QStringLiteral("Warning"));
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.text, expected);
    EXPECT_EQ(box.format, Qt::PlainText);
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_EQ(QString(box.buttonText).remove(QLatin1Char('&')), QStringLiteral("OK"));
    EXPECT_EQ(Clipboard(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Definitions,
    ::testing::Values(DefinitionCase{"Azymic", 0, "Azymic  (a.)\r\nAzymous."},
                      DefinitionCase{"Azymous", 0, "Azymous  (a.)\r\nUnleavened; unfermented."},
                      DefinitionCase{"x", 0,
                                     "X  ()\r\nX, the twenty-fourth letter of the English "
                                     "alphabet."},
                      DefinitionCase{"abed", 1,
                                     "Abed  (adv.)\r\nTo childbed (in the phrase \"brought "
                                     "abed,\" that is, delivered)."},
                      DefinitionCase{"<P", 0, "<P>  ( ()\r\n<B>Inequality</B>"}));

TEST(DefinitionsBox, CentredOnTheScreenWithinHalfItsWidthAndBelongsToTheWindow)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("abed"));
    window.Webster();
    ModalBoxCloser boxes;
    window.Click("btDefine");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const ShownBox &box = boxes.boxes()[0];
    ASSERT_FALSE(box.screen.isEmpty());
    EXPECT_LE(box.geometry.width(), box.screen.width() / 2);
    EXPECT_LE((box.geometry.center() - box.screen.center()).manhattanLength(), 1)
        << "box at " << box.geometry.x() << "," << box.geometry.y();
    EXPECT_EQ(box.owner, window.form().windowHandle());
}

TEST(Definitions, DoNothingForMobySuggestionsOrAnEmptyList)
{
    DrivenWindow window(Store());
    window.Type(QStringLiteral("azymic"));
    window.Webster();
    ASSERT_EQ(window.SelectedRow(), 0);
    window.Moby();
    ASSERT_EQ(window.Items(), QStringList()) << "the Moby list has no azymic";
    SetClipboard(QStringLiteral("kept"));
    ModalBoxCloser boxes;
    window.Click("btDefine");

    window.Type(QStringLiteral("cat"));
    window.Moby();
    ASSERT_EQ(window.SelectedRow(), 0);
    window.Click("btDefine");
    QTest::qWait(20);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(Clipboard(), QStringLiteral("kept"));
}

TEST(Copy, CopiesTheWordBoxAsItsCodePageText)
{
    DrivenWindow window(Store());
    const struct {
        QString typed;
        QString copied;
    } cases[] = {
        {QStringLiteral("rhythm"), QStringLiteral("rhythm")},
        {QString(), QString()},
        {QStringLiteral("caf\u00E9 \u20AC"), QStringLiteral("caf\u00E9 \u20AC")},
        {QStringLiteral("\u65E5\u672C"), QStringLiteral("??")},
    };
    for (const auto &c : cases) {
        SetClipboard(QStringLiteral("before"));
        window.Type(c.typed);
        window.AltKey(Qt::Key_C, "btCopy");
        EXPECT_EQ(Clipboard(), c.copied) << c.typed.toStdString();
    }
}

// The word box is one line: of a text with line breaks put into it, the part before the first
// break goes in, wherever the cursor stands.
TEST(WordBox, TakesTheFirstLineOfAPaste)
{
    DrivenWindow window(Store());
    const struct {
        QString before; // the box's text, the cursor at its "|"
        QString pasted;
        QString after;
    } cases[] = {
        {QStringLiteral("|"), QStringLiteral("cat\nhouse"), QStringLiteral("cat")},
        {QStringLiteral("|"), QStringLiteral("cat\r\n"), QStringLiteral("cat")},
        {QStringLiteral("|"), QStringLiteral("cat\r"), QStringLiteral("cat")},
        {QStringLiteral("|"), QStringLiteral("\ncat"), QString()},
        {QStringLiteral("c|t"), QStringLiteral("a\nb\nc"), QStringLiteral("cat")},
        {QStringLiteral("ca|"), QStringLiteral("t\u2029s"), QStringLiteral("cat")},
        {QStringLiteral("|"), QStringLiteral("two  words\tand a tab"),
         QStringLiteral("two  words\tand a tab")},
    };
    for (const auto &c : cases) {
        window.Type(QString(c.before).remove(QLatin1Char('|')));
        window.txtNotes()->setCursorPosition(int(c.before.indexOf(QLatin1Char('|'))));
        QGuiApplication::clipboard()->setText(c.pasted);
        QTest::keyClick(window.txtNotes(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(window.WordBox(), c.after) << c.pasted.toStdString();
    }
    window.Paste(QStringLiteral("cat\n"));
    window.Moby();
    EXPECT_EQ(window.Items(), (QStringList{"cat", "cat's", "catalog"}));
    EXPECT_EQ(window.SelectedRow(), 0) << "the pasted word found";
}

TEST(Copy, AClipboardThatFailsIsReportedAndKeepsItsText)
{
    DrivenWindow window(Store());
    window.inspect().SetClipboardWriter(
        [](const QString &) { throw QuillbyError("Cannot open clipboard"); });
    SetClipboard(QStringLiteral("kept"));
    window.Type(QStringLiteral("cat"));
    ModalBoxCloser boxes;
    window.Click("btCopy");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("Quillby"));
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Cannot open clipboard."));
    EXPECT_EQ(boxes.boxes()[0].owner, window.form().windowHandle());
    EXPECT_EQ(Clipboard(), QStringLiteral("kept"));
}

TEST(WebDictionary, OpensTheSearchPageWithTheWordEncoded)
{
    DrivenWindow window(Store());
    std::vector<QUrl> opened;
    window.inspect().SetUrlOpener([&opened](const QUrl &url) {
        opened.push_back(url);
        return true;
    });
    const QString search = QStringLiteral("https://www.dictionary.com/search?q=");
    const struct {
        QString typed;
        QString query;
    } cases[] = {
        {QStringLiteral("ice cream"), QStringLiteral("ice%20cream")},
        {QStringLiteral("two  spaces"), QStringLiteral("two%20%20spaces")},
        {QString(), QString()},
        {QStringLiteral("AT&T"), QStringLiteral("AT%26T")},
        {QStringLiteral("caf\u00E9"), QStringLiteral("caf%C3%A9")},
        {QStringLiteral("a+b#c%d"), QStringLiteral("a%2Bb%23c%25d")},
        {QStringLiteral("x/y?z=w"), QStringLiteral("x%2Fy%3Fz%3Dw")},
        {QStringLiteral("-._~Az09"), QStringLiteral("-._~Az09")},
        {QStringLiteral("\u2013"), QStringLiteral("%E2%80%93")},
    };
    for (const auto &c : cases) {
        window.Type(c.typed);
        opened.clear();
        window.Click("btDictCom");
        ASSERT_EQ(opened.size(), 1u) << c.typed.toStdString();
        EXPECT_EQ(QString::fromLatin1(opened[0].toEncoded()), search + c.query)
            << c.typed.toStdString();
        EXPECT_TRUE(opened[0].isValid());
    }
    // Alt+D presses it too.
    window.Type(QStringLiteral("cat"));
    opened.clear();
    window.AltKey(Qt::Key_D, "btDictCom");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(QString::fromLatin1(opened[0].toEncoded()), search + QStringLiteral("cat"));
}

TEST(WebDictionary, AnAddressNoBrowserOpenedIsReportedWithTheAddress)
{
    DrivenWindow window(Store());
    int tries = 0;
    window.inspect().SetUrlOpener([&tries](const QUrl &) {
        ++tries;
        return false;
    });
    window.Type(QStringLiteral("ice cream"));
    ModalBoxCloser boxes;
    window.Click("btDictCom");
    EXPECT_EQ(tries, 1);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const ShownBox &box = boxes.boxes()[0];
    EXPECT_EQ(box.title, QStringLiteral("Quillby"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.text, QStringLiteral("The web browser could not be opened for "
                                       "<https://www.dictionary.com/search?q=ice%20cream>."));
    EXPECT_EQ(box.owner, window.form().windowHandle());
    // Centred on the screen as the other boxes are, not over the window it belongs to.
    EXPECT_LE((box.geometry.center() - box.screen.center()).manhattanLength(), 1)
        << "box at " << box.geometry.x() << "," << box.geometry.y();
}

// Runs where the platform can open URLs (under a virtual X server, see tests/CMakeLists.txt).
TEST(WebDictionary, HandsTheAddressToTheDesktopsBrowser)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "the offscreen platform opens no URLs";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString record = dir.filePath(QStringLiteral("opened.txt"));
    const QString script = dir.filePath(QStringLiteral("xdg-open"));
    {
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$QUILLBY_TEST_RECORD.tmp\"\n"
                   "mv \"$QUILLBY_TEST_RECORD.tmp\" \"$QUILLBY_TEST_RECORD\"\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("QUILLBY_TEST_RECORD", QFile::encodeName(record));
    qputenv("PATH", QFile::encodeName(dir.path()) + ':' + qgetenv("PATH"));
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");

    DrivenWindow window(Store());
    window.Type(QStringLiteral("AT&T caf\u00E9"));
    window.Click("btDictCom");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("https://www.dictionary.com/search?q=AT%26T%20caf%C3%A9"));
}

// Runs under a virtual X server too: a desktop with no way to open a web page says so.
TEST(WebDictionary, ADesktopWithoutABrowserIsReported)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "the offscreen platform opens no URLs";
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    qputenv("PATH", QFile::encodeName(empty.path()));
    for (const char *name : {"BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                             "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        qunsetenv(name);

    DrivenWindow window(Store());
    window.Type(QStringLiteral("cat"));
    ModalBoxCloser boxes;
    window.Click("btDictCom");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("The web browser could not be opened for "
                                                    "<https://www.dictionary.com/search?q=cat>."));
}

} // namespace
} // namespace quillby::testing::word_actions
