#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Runs the real program twice from a copy in an empty folder: the copy creates its data folders,
// and a second start while the first runs ends at once. A lock left by a killed run does not keep
// the program from starting again.
TEST(SingleInstanceTest, SecondStartEndsAtOnceAndACrashLeavesNoLockBehind)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("belvane"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(BELVANE_EXE), exe));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), dir.path());   // keeps the lock away from a real session

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(exe, {});
    ASSERT_TRUE(first.waitForStarted());
    for (int i = 0; i < 100 && !QDir(dir.filePath(QStringLiteral("Escrt"))).exists(); ++i)
        QThread::msleep(50);
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("Projetos"))).exists());
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("Escrt"))).exists());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(exe, {});
    ASSERT_TRUE(second.waitForFinished(5000)) << "the second start did not end at once";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();   // a crash: the lock file stays on disk
    first.waitForFinished();
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(exe, {});
    ASSERT_TRUE(third.waitForStarted());
    EXPECT_FALSE(third.waitForFinished(1500)) << "a stale lock kept the program from starting";
    third.kill();
    third.waitForFinished();
}
