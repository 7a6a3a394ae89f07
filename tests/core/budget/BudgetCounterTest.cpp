#include "core/budget/BudgetCounter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace belvane;

namespace {

QString folderOf(const QTemporaryDir& dir)
{
    return dir.path() + QLatin1Char('/');
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(BudgetCounterTest, MissingFileCountsAsZero)
{
    QTemporaryDir dir;
    const BudgetCounterRead read = ReadBudgetCounter(folderOf(dir));
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.value, 0);
}

TEST(BudgetCounterTest, WritesFourLittleEndianBytesAndReadsThemBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBudgetCounter(folderOf(dir), 1).ok());
    QFile file(dir.filePath(QStringLiteral("Control.bin")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x01\x00\x00\x00", 4));
    ASSERT_TRUE(WriteBudgetCounter(folderOf(dir), 70000).ok());
    EXPECT_EQ(ReadBudgetCounter(folderOf(dir)).value, 70000);
    ASSERT_TRUE(WriteBudgetCounter(folderOf(dir), -2).ok());
    EXPECT_EQ(ReadBudgetCounter(folderOf(dir)).value, -2);
}

TEST(BudgetCounterTest, LongerFileIsReadForItsFirstFourBytes)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("Control.bin")), QByteArray("\x07\x00\x00\x00junk", 8));
    EXPECT_EQ(ReadBudgetCounter(folderOf(dir)).value, 7);
}

TEST(BudgetCounterTest, ShortFileIsAnErrorNamingTheFile)
{
    QTemporaryDir dir;
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\x07\x00", 2)}) {
        writeBytes(dir.filePath(QStringLiteral("Control.bin")), bytes);
        const BudgetCounterRead read = ReadBudgetCounter(folderOf(dir));
        EXPECT_FALSE(read.ok());
        EXPECT_TRUE(read.error.contains(QStringLiteral("Control.bin"))) << read.error.toStdString();
        EXPECT_EQ(read.value, 0);
    }
}

TEST(BudgetCounterTest, UnwritableFolderIsReported)
{
    QTemporaryDir dir;
    const IoResult result = WriteBudgetCounter(folderOf(dir) + QStringLiteral("missing/"), 3);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QStringLiteral("Control.bin")));
}
