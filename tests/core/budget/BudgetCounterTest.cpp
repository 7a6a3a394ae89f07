#include "core/budget/BudgetCounter.h"

#include "support/TestFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::writeFile;

using BudgetCounterTest = belvane::test::TestFolder;

TEST_F(BudgetCounterTest, MissingFileCountsAsZero)
{
    const BudgetCounterRead read = ReadBudgetCounter(folder());
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.value, 0);
}

TEST_F(BudgetCounterTest, WritesFourLittleEndianBytesAndReadsThemBack)
{
    ASSERT_TRUE(WriteBudgetCounter(folder(), 1).ok());
    QFile file(pathOf(QStringLiteral("Control.bin")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\x01\x00\x00\x00", 4));
    ASSERT_TRUE(WriteBudgetCounter(folder(), 70000).ok());
    EXPECT_EQ(ReadBudgetCounter(folder()).value, 70000);
    ASSERT_TRUE(WriteBudgetCounter(folder(), -2).ok());
    EXPECT_EQ(ReadBudgetCounter(folder()).value, -2);
}

TEST_F(BudgetCounterTest, LongerFileIsReadForItsFirstFourBytes)
{
    writeFile(pathOf(QStringLiteral("Control.bin")), QByteArray("\x07\x00\x00\x00junk", 8));
    EXPECT_EQ(ReadBudgetCounter(folder()).value, 7);
}

TEST_F(BudgetCounterTest, ShortFileIsAnErrorNamingTheFile)
{
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\x07\x00", 2)}) {
        writeFile(pathOf(QStringLiteral("Control.bin")), bytes);
        const BudgetCounterRead read = ReadBudgetCounter(folder());
        EXPECT_FALSE(read.ok());
        EXPECT_TRUE(read.error.contains(QStringLiteral("Control.bin"))) << read.error.toStdString();
        EXPECT_EQ(read.value, 0);
    }
}

TEST_F(BudgetCounterTest, UnwritableFolderIsReported)
{
    const IoResult result = WriteBudgetCounter(folder() + QStringLiteral("missing/"), 3);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QStringLiteral("Control.bin")));
}
