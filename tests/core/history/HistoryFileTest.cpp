#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryTable.h"
#include "core/storage/StorageFaults.h"

#include "support/Budgets.h"
#include "support/HistoryFiles.h"

#include <QBuffer>
#include <QDir>

#include <limits>
#include <memory>

using namespace belvane;
using namespace belvane::test;

namespace {

using HistoryFileTest = HistoryFolderTest;

const QString kWorkedExampleLine = QStringLiteral(
    "12,09/12/2020,Construtora Ípsilon,(11) 5555-0101,%1,100,Projeto arquitetônico,\"12750,00\","
    "\"127,50\",0,Aguardando,False,ORC000012.bvp,,False,PX-7,09/12/2020,\"1,20000004768372\","
    "\"35,7000007629395\"\r\n");

// The field the writer makes of a text, taken from the client column of an otherwise empty row.
QString writtenField(const QString& text)
{
    HistoryTable table;
    table.setText(table.appendRow(), kColClient, text);
    const QString line = historyTextOf(historyFileBytes(table));
    const QString head = QStringLiteral(",,");
    const QString tail = QStringLiteral(",,0,,,,,0,,False,,,False,,,,\r\n");
    if (!line.startsWith(head) || !line.endsWith(tail))
        return QStringLiteral("<unexpected line: %1>").arg(line);
    return line.mid(head.size(), line.size() - head.size() - tail.size());
}

// A device that takes nothing, as a full disk would.
class RefusingDevice final : public QIODevice {
public:
    RefusingDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

} // namespace

TEST_F(HistoryFileTest, EmptyHistoryIsTheMarkAlone)
{
    const HistoryTable empty;
    EXPECT_EQ(historyFileBytes(empty), QByteArray("\xFF\xFE", 2));
    const HistoryRead back = readHistoryBytes(QByteArray("\xFF\xFE", 2));
    EXPECT_EQ(back.table.rowCount(), 0);
    EXPECT_TRUE(back.result.problems.isEmpty());
}

TEST_F(HistoryFileTest, FirstSaveWritesOneLineOfNineteenFields)
{
    TBudgetData budget = workedExampleBudget();
    budget.Area = 120.0f;
    HistoryTable table;
    StoreHistoryRow(table, budget);
    EXPECT_EQ(historyFileBytes(table), historyBytes(kWorkedExampleLine.arg(u"120"_qs)));

    budget.Area = 120.46f;
    StoreHistoryRow(table, budget);
    EXPECT_EQ(historyFileBytes(table), historyBytes(kWorkedExampleLine.arg(u"\"120,5\""_qs)));
}

TEST_F(HistoryFileTest, QuotesOnlyTextsWithCommasOrQuotationMarks)
{
    EXPECT_EQ(writtenField(u"Silva, Ana"_qs), u"\"Silva, Ana\""_qs);
    EXPECT_EQ(writtenField(u"Escritório \"Bela Vista\""_qs), u"\"Escritório \"\"Bela Vista\"\"\""_qs);
    EXPECT_EQ(writtenField(u"linha 1\r\nlinha 2"_qs), u"linha 1|linha 2"_qs);
    EXPECT_EQ(writtenField(u"  espaços  "_qs), u"  espaços  "_qs);
    EXPECT_EQ(writtenField(u"a|b"_qs), u"a|b"_qs);
    // A lone LF, as text pasted from elsewhere carries, is still a line break in the file.
    EXPECT_EQ(writtenField(u"um\ndois"_qs), u"um|dois"_qs);
    EXPECT_EQ(writtenField(u"a\rb\nc\r\nd"_qs), u"a|b|c|d"_qs);
    EXPECT_EQ(writtenField(u"\"a\",\r\n"_qs), u"\"\"\"a\"\",|\""_qs);
}

TEST_F(HistoryFileTest, TextsComeBackUnchangedThroughWriteAndRead)
{
    const QStringList texts{u"Silva, Ana"_qs, u"say \"hi\""_qs, u"\""_qs,     u"\"\""_qs,
                            u"\"a"_qs,        u"a\""_qs,        u"a\"\"b"_qs, u","_qs,
                            u"\",\""_qs,      u"a,\"b\",c"_qs,  u" "_qs,      u"ç, Ç e ü"_qs,
                            u"Obs 1\r\nObs 2\r\n"_qs};
    HistoryTable table;
    for (const QString& text : texts) {
        const int row = table.appendRow();
        table.setText(row, kColNumber, QString::number(row + 1));
        table.setText(row, kColClient, text);
        table.setText(row, kColNotes, text);
        table.setText(row, kColK2, text);  // the last field, just before the line end
    }
    const HistoryRead back = readHistoryBytes(historyFileBytes(table));
    EXPECT_TRUE(back.result.problems.isEmpty());
    ASSERT_EQ(back.table.rowCount(), texts.size());
    for (int row = 0; row < back.table.rowCount(); ++row) {
        for (int column = 0; column < kHistoryColumnCount; ++column) {
            EXPECT_EQ(back.table.text(row, column), table.text(row, column))
                << "row " << row << " column " << column;
        }
    }
}

TEST_F(HistoryFileTest, NumbersAndDatesAtTheEdgesComeBackUnchanged)
{
    // Figures and dates of damaged budget files reach the history as they are; whatever the
    // row shows must be what it shows again after the next start.
    HistoryTable table;
    const double largest = std::numeric_limits<double>::max();
    const double dates[] = {1e-300, 44173.0 + 1e-12, 44173.9999999999, -1.0 - 0.2 / 86400.0, 0.5};
    const double numbers[] = {largest, -largest, 1e-300, 4.9e-324, 1e20};
    for (int i = 0; i < 5; ++i) {
        const int row = table.appendRow();
        table.setText(row, kColNumber, QString::number(row + 1));
        table.setDate(row, kColEditedDate, dates[i]);
        table.setValue(row, kColNegotiated, numbers[i]);
        table.setValue(row, kColArea, numbers[i]);
    }
    const HistoryRead back = readHistoryBytes(historyFileBytes(table));
    EXPECT_TRUE(back.result.problems.isEmpty()) << back.result.summary().toStdString();
    ASSERT_EQ(back.table.rowCount(), table.rowCount());
    for (int row = 0; row < back.table.rowCount(); ++row) {
        for (const int column : {kColEditedDate, kColNegotiated, kColArea})
            EXPECT_EQ(back.table.text(row, column), table.text(row, column)) << "row " << row;
    }
}

TEST_F(HistoryFileTest, VerticalBarsAndLineBreaksComeBackAsLineBreaks)
{
    HistoryTable table;
    const int row = table.appendRow();
    table.setText(row, kColNotes, u"primeira\r\nsegunda"_qs);
    table.setText(row, kColClient, u"A|B"_qs);
    table.setText(row, kColProjectCode, u"um\ndois"_qs);
    const HistoryTable back = readHistoryBytes(historyFileBytes(table)).table;
    EXPECT_EQ(back.text(0, kColNotes), u"primeira\r\nsegunda"_qs);
    EXPECT_EQ(back.text(0, kColClient), u"A\r\nB"_qs);
    EXPECT_EQ(back.text(0, kColProjectCode), u"um\r\ndois"_qs);
}

TEST_F(HistoryFileTest, ReaderFollowsTheQuotationCount)
{
    // Fields as other programs may have left them: quotation marks in the middle of a field
    // decide by their count whether a comma belongs to the text.
    const QString line = QStringLiteral(
        "1,,x\"y,z\",3,0,5,6,7,8,0,Aprovado,False,ORC000001.bvp,\"\"\"\",False,15,16,17,18\r\n");
    const HistoryRead back = readHistoryBytes(historyBytes(line));
    ASSERT_EQ(back.table.rowCount(), 1);
    EXPECT_EQ(back.table.text(0, kColClient), u"x\"y,z"_qs);
    EXPECT_EQ(back.table.text(0, kColPhone), u"3"_qs);
    EXPECT_EQ(back.table.text(0, kColNotes), u"\""_qs);
    EXPECT_EQ(back.table.text(0, kColK2), u"18"_qs);
    EXPECT_TRUE(back.result.problems.isEmpty());
}

TEST_F(HistoryFileTest, WriterStreamsIntoADeviceAndReportsARefusedWrite)
{
    HistoryTable table;
    for (int number = 1; number <= 3; ++number)
        StoreHistoryRow(table, numberedBudget(number, u"Cliente"));
    QByteArray streamed;
    QBuffer buffer(&streamed);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    EXPECT_TRUE(WriteHistoryFile(table, buffer));
    EXPECT_EQ(streamed, historyFileBytes(table));

    RefusingDevice full;
    EXPECT_FALSE(WriteHistoryFile(table, full));
}

TEST_F(HistoryFileTest, FailedWriteKeepsThePreviousFileWhole)
{
    const QString path = pathOf(u"Hist.bvh"_qs);
    HistoryTable table;
    StoreHistoryRow(table, numberedBudget(1, u"Primeiro"));
    ASSERT_TRUE(WriteHistoryFile(table, path).ok());
    const QByteArray before = fileContents(path);

    StoreHistoryRow(table, numberedBudget(2, u"Segundo"));
    StorageFaults::inject(StorageFaults::Kind::FailWrite, u"Hist.bvh"_qs);
    const IoResult failed = WriteHistoryFile(table, path);
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.error.contains(QDir::toNativeSeparators(path))) << failed.error.toStdString();
    EXPECT_EQ(fileContents(path), before);

    HistoryTable back;
    const HistoryReadResult read = ReadHistoryFile(back, path);
    EXPECT_EQ(read.state, HistoryReadResult::State::Read);
    EXPECT_EQ(back.rowCount(), 1);
}

TEST_F(HistoryFileTest, MissingFileIsAnEmptyHistory)
{
    HistoryTable table;
    table.appendRow();
    const HistoryReadResult read = ReadHistoryFile(table, pathOf(u"Hist.bvh"_qs));
    EXPECT_EQ(read.state, HistoryReadResult::State::Missing);
    EXPECT_FALSE(read.damaged());
    EXPECT_EQ(table.rowCount(), 0);
}

TEST_F(HistoryFileTest, ARowChangedSinceTheLastWriteIsWrittenAnewEveryOtherAsKept)
{
    // The same rows made afresh, without any kept line.
    const auto fresh = [](const HistoryTable& rows) {
        HistoryTable made;
        for (int row = 0; row < rows.rowCount(); ++row) {
            const int copy = made.appendRow();
            for (int column = 0; column < kHistoryColumnCount; ++column)
                made.setText(copy, column, rows.text(row, column));
        }
        return historyFileBytes(made);
    };
    // Enough rows that their lines, once all known, are gathered into one image the rows point
    // into: here by the steps taken while the user is idle.
    auto table = std::make_unique<HistoryTable>();
    for (int number = 1; number <= 300; ++number)
        StoreHistoryRow(*table, numberedBudget(number, u"Ana"));
    EXPECT_EQ(keepHistoryLines(*table, 0, 200), 200);
    EXPECT_EQ(keepHistoryLines(*table, 200, 200), 300);
    // Every kind of cell changes on some row after the lines were kept.
    table->setText(0, kColClient, u"Bia, \"a filha\""_qs);
    table->setValue(150, kColNegotiated, 9876.5);
    table->setChecked(299, kColModified, true);
    EXPECT_EQ(historyFileBytes(*table), fresh(*table));

    // A sorted copy outlives the table whose image its rows point into.
    HistoryTable sorted = *table;
    table.reset();
    sorted.sortByColumn(kColClient, Qt::DescendingOrder);
    EXPECT_EQ(historyFileBytes(sorted), fresh(sorted));
}
