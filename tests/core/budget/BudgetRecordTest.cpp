#include "core/budget/BudgetFile.h"
#include "core/tables/ReferenceTables.h"
#include "core/text/Clock.h"
#include "core/text/DayCount.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace belvane;

TEST(BudgetRecordTest, NewBudgetDefaults)
{
    Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(18, 0)));
    TBudgetData budget = zeroBudget();
    budget.Tasks[12].Name.assign(u"sobra");
    budget.Indicators[3].Number = 42;
    NewBudgetRecord(budget);
    Clock::setFixed({});
    EXPECT_EQ(budget.Version, 1.0f);
    EXPECT_EQ(budget.Number, 1);
    EXPECT_EQ(budget.Status.toQString(), QStringLiteral("Novo"));
    EXPECT_EQ(budget.CreatedDate, dayCountFromDate(QDate(2026, 12, 9)));
    EXPECT_EQ(budget.EditedDate, budget.CreatedDate);
    EXPECT_DOUBLE_EQ(budget.CreatedTime, 0.75);
    EXPECT_EQ(budget.MonthlyHours, 160.0f);
    EXPECT_EQ(budget.Tasks[0].Name.toQString(), QStringLiteral("Levantamento de dados"));
    EXPECT_EQ(budget.Tasks[11].Name.toQString(), QStringLiteral("As built"));
    EXPECT_EQ(budget.Tasks[12].Name.toQString(), QStringLiteral("sobra"));   // beyond the twelve: untouched
    EXPECT_EQ(budget.Indicators[9].Name.toQString(), QStringLiteral("Definição do prazo"));
    EXPECT_EQ(budget.Indicators[3].Number, 42);                             // numbers are left as they were
    EXPECT_EQ(budget.TeamShare[20], 100);
    EXPECT_EQ(budget.TeamProductivity[0], 100);
    EXPECT_EQ(budget.RepetitionFactor, 1.0f);
    EXPECT_EQ(budget.ProfitPercent, 20.0f);
    EXPECT_EQ(budget.OfficeStandard.toQString(), QStringLiteral("B"));
}

TEST(BudgetRecordTest, FileNames)
{
    EXPECT_EQ(BudgetFileName(1), QStringLiteral("ORC000001.bvp"));
    EXPECT_EQ(BudgetFileName(7), QStringLiteral("ORC000007.bvp"));
    EXPECT_EQ(BudgetFileName(1234), QStringLiteral("ORC001234.bvp"));
    EXPECT_EQ(BudgetFileName(65535), QStringLiteral("ORC065535.bvp"));
    EXPECT_EQ(BudgetFileName(1234567), QStringLiteral("ORC1234567.bvp"));
}

TEST(BudgetFileTest, ReadThenWriteReproducesTheFileByteForByte)
{
    QTemporaryDir dir;
    QByteArray original(int(sizeof(TBudgetData)), '\0');
    for (auto& byte : original)
        byte = char(QRandomGenerator::global()->bounded(256));
    const QString path = dir.filePath(BudgetFileName(3));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(original);
    file.close();

    TBudgetData budget = zeroBudget();
    ASSERT_EQ(ReadBudgetFile(budget, path).state, RecordReadState::Read);
    ASSERT_TRUE(WriteBudgetFile(budget, path).ok());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), original);
}

TEST(BudgetFileTest, ManualAndEstimatedManHoursBothSurvive)
{
    QTemporaryDir dir;
    TBudgetData budget = zeroBudget();
    NewBudgetRecord(budget);
    budget.HxhManual = 0;
    budget.HxhManualValue = 40;
    budget.HxhAutoValue = 36;
    budget.Hxh = budget.HxhAutoValue;
    budget.ClientName.assign(QString(120, QLatin1Char('x')));
    const QString path = dir.filePath(BudgetFileName(9));
    ASSERT_TRUE(WriteBudgetFile(budget, path).ok());
    TBudgetData read = zeroBudget();
    ASSERT_EQ(ReadBudgetFile(read, path).state, RecordReadState::Read);
    EXPECT_EQ(read.HxhManualValue, 40);
    EXPECT_EQ(read.HxhAutoValue, 36);
    EXPECT_EQ(read.Hxh, 36);
    EXPECT_EQ(read.ClientName.toQString().size(), 100);
}

TEST(BudgetFileTest, ShortFileIsReportedAndChangesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(BudgetFileName(2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4743, '\1'));
    file.close();
    TBudgetData budget = zeroBudget();
    budget.Number = 5;
    const RecordRead read = ReadBudgetFile(budget, path);
    EXPECT_EQ(read.state, RecordReadState::Failed);
    EXPECT_TRUE(read.error.contains(QStringLiteral("ORC000002.bvp")));
    EXPECT_EQ(budget.Number, 5);
}
