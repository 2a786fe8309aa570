// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Only one copy runs: the marker, and the real program started several times.

#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace quillby {
namespace {

TEST(SingleInstanceMarker, SecondHolderSeesTheFirstUntilItIsGone)
{
    QTemporaryDir folder;
    auto first = std::make_unique<SingleInstance>("QUILLBY", folder.path());
    EXPECT_FALSE(first->AnotherCopyRuns());
    EXPECT_TRUE(first->HoldsMarker());
    {
        const SingleInstance second("QUILLBY", folder.path());
        EXPECT_TRUE(second.AnotherCopyRuns());
        EXPECT_FALSE(second.HoldsMarker());
    }
    first.reset();
    const SingleInstance third("QUILLBY", folder.path());
    EXPECT_FALSE(third.AnotherCopyRuns());
    EXPECT_TRUE(third.HoldsMarker());
}

TEST(SingleInstanceMarker, UnusableFolderLetsTheProgramRunWithoutAMarker)
{
    QTemporaryDir folder;
    QFile plainFile(folder.filePath("not-a-folder"));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    const SingleInstance marker("QUILLBY", folder.filePath("not-a-folder/inside"));
    EXPECT_FALSE(marker.AnotherCopyRuns());
    EXPECT_FALSE(marker.HoldsMarker());
}

// The real program, headless, with its marker in a folder of the test's own.
class RealProgram : public ::testing::Test {
protected:
    std::unique_ptr<QProcess> Start()
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(QUILLBY_EXECUTABLE), {});
        EXPECT_TRUE(process->waitForStarted(10000));
        return process;
    }

    // The process id written in the marker, 0 while there is none.
    qint64 MarkerOwner() const
    {
        QFile file(QDir(runtime_.path()).filePath("QUILLBY.lock"));
        if (!file.open(QIODevice::ReadOnly))
            return 0;
        return file.readLine().trimmed().toLongLong();
    }

    bool WaitForOwner(qint64 pid)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 30000) {
            if (MarkerOwner() == pid)
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    void SetUp() override
    {
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir runtime_;
};

TEST_F(RealProgram, SecondCopyEndsSilentlyWhileTheFirstRuns)
{
    auto first = Start();
    ASSERT_TRUE(WaitForOwner(first->processId()));

    auto second = Start();
    ASSERT_TRUE(second->waitForFinished(30000)) << "the second copy kept running";
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardOutput().isEmpty());

    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(MarkerOwner(), first->processId());
    first->kill();
    first->waitForFinished();
}

TEST_F(RealProgram, MarkerOfAKilledCopyDoesNotStopTheNextStart)
{
    auto first = Start();
    ASSERT_TRUE(WaitForOwner(first->processId()));
    first->kill(); // SIGKILL: the marker stays behind on disk
    first->waitForFinished();
    ASSERT_NE(MarkerOwner(), 0);

    auto next = Start();
    EXPECT_TRUE(WaitForOwner(next->processId())) << "the next copy did not take over";
    EXPECT_EQ(next->state(), QProcess::Running);
    next->kill();
    next->waitForFinished();
}

TEST_F(RealProgram, OfTwoCopiesStartedTogetherExactlyOneRuns)
{
    auto a = Start();
    auto b = Start();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000 && a->state() == QProcess::Running &&
           b->state() == QProcess::Running) {
        a->waitForFinished(10);
        b->waitForFinished(10);
    }
    const bool aRuns = a->state() == QProcess::Running;
    const bool bRuns = b->state() == QProcess::Running;
    ASSERT_NE(aRuns, bRuns) << "both or neither kept running";
    QProcess &ended = aRuns ? *b : *a;
    EXPECT_EQ(ended.exitCode(), 0);
    EXPECT_TRUE(WaitForOwner((aRuns ? a : b)->processId()));
    // The survivor keeps running: give the other a moment to have really stopped too.
    QThread::msleep(300);
    EXPECT_EQ((aRuns ? a : b)->state(), QProcess::Running);
    a->kill();
    b->kill();
    a->waitForFinished();
    b->waitForFinished();
}

} // namespace
} // namespace quillby
