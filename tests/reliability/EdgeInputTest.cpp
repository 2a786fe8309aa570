// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The word box at its edges, over the program's own lists: the longest text the box takes,
// only "%", control characters and characters the lists' code page lacks. Every button answers
// and the window stays usable.

#include "resources/QtResourceStore.h"
#include "tests/support/DrivenWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace quillby {
namespace {

// The longest text a word box takes.
constexpr int kLongest = 32767;

struct EdgeCase {
    const char *name;
    QString text;
    // What Copy puts on the clipboard: the text as the lists' single-byte code page holds it,
    // one "?" for each character it lacks.
    QString copied;
    bool findsRhythm; // the Moby search lists "rhythm" and the Webster one "Rhythm"
};

void PrintTo(const EdgeCase &c, std::ostream *out)
{
    *out << c.name;
}

QString Longest(const QString &start, QChar fill)
{
    return start + QString(kLongest - start.size(), fill);
}

std::vector<EdgeCase> Cases()
{
    const QString sound = Longest(QStringLiteral("rhythm"), QLatin1Char('a')); // "R350"
    const QString prefix = Longest(QStringLiteral("rhythm%"), QLatin1Char('a'));
    const QString control = QStringLiteral("r\x01h\x02y\x1bt\x7fhm"); // "R350" too
    return {
        {"LongestSoundText", sound, sound, true},
        {"LongestPrefixText", prefix, prefix, false},
        {"OnlyPercent", QStringLiteral("%"), QStringLiteral("%"), false},
        {"ControlCharactersInASoundText", control, control, true},
        {"ControlCharactersOnly", QStringLiteral("\x01\x02\x03"), QStringLiteral("\x01\x02\x03"),
         false},
        {"OutsideTheCodePage", QStringLiteral("\u65E5\u672C"), QStringLiteral("??"), false},
        {"OutsideTheCodePageSoundText", QStringLiteral("\u03A9mega"), QStringLiteral("?mega"),
         false},
        {"BeyondSixteenBits", QStringLiteral("\U0001F600\U0001F600"), QStringLiteral("??"), false},
        {"LongestOutsideTheCodePage", QString(kLongest, QChar(0x4E00)),
         QString(kLongest, QLatin1Char('?')), false},
    };
}

class EdgeInput : public ::testing::TestWithParam<EdgeCase> {
protected:
    void SetUp() override
    {
        window_.CaptureUrls();
        ASSERT_TRUE(boxes_.boxes().empty()) << "the lists load";
    }

    testing::ModalBoxCloser boxes_;
    testing::DrivenWindow window_{Store()};

private:
    static const QtResourceStore &Store()
    {
        static const QtResourceStore store;
        return store;
    }
};

TEST_P(EdgeInput, EveryButtonAnswers)
{
    const EdgeCase &c = GetParam();
    testing::DrivenWindow &window = window_;
    window.Paste(c.text);
    ASSERT_EQ(window.WordBox(), c.text) << "the box holds the whole text";

    // Moby: a full search over the list; whatever it finds, it replaces the list.
    window.Click("btLookup");
    const QStringList moby = window.Items();
    EXPECT_EQ(moby.contains(QStringLiteral("rhythm")), c.findsRhythm);
    if (!c.findsRhythm) {
        EXPECT_TRUE(moby.isEmpty()) << moby.size() << " items";
    }
    EXPECT_EQ(window.SelectedRow(), moby.isEmpty() ? -1 : 0);
    EXPECT_EQ(window.WordBox(), c.text) << "a search keeps the typed text";

    // Webster: every text here has a list to search, the "A" list for a character below "A".
    window.Click("btWebster");
    const QStringList webster = window.Items();
    EXPECT_EQ(webster.contains(QStringLiteral("Rhythm")), c.findsRhythm);
    if (!c.findsRhythm) {
        EXPECT_TRUE(webster.isEmpty()) << webster.size() << " items";
    }

    // Definitions shows the selected entry when there is one, and nothing otherwise.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    window.Click("btDefine");
    if (webster.isEmpty()) {
        EXPECT_TRUE(boxes_.boxes().empty());
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    } else {
        ASSERT_EQ(boxes_.boxes().size(), 1u);
        const QString shown = boxes_.boxes()[0].text;
        EXPECT_TRUE(shown.startsWith(webster.at(window.SelectedRow()) + QStringLiteral("  (")))
            << shown.toStdString();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), shown);
    }

    window.Click("btCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied);

    // The web dictionary gets a valid address whose query value is the copied word in UTF-8.
    window.Click("btDictCom");
    ASSERT_EQ(window.Opened().size(), 1u);
    const QUrl &url = window.Opened()[0];
    EXPECT_TRUE(url.isValid()) << url.errorString().toStdString();
    const QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    ASSERT_TRUE(query.startsWith("q="));
    EXPECT_EQ(QUrl::fromPercentEncoding(query.mid(2)), c.copied);
    EXPECT_EQ(query.mid(2), QUrl::toPercentEncoding(c.copied));

    EXPECT_LE(boxes_.boxes().size(), 1u) << "no error box";
    EXPECT_TRUE(window.form().isVisible());
}

INSTANTIATE_TEST_SUITE_P(WordBox, EdgeInput, ::testing::ValuesIn(Cases()),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quillby
