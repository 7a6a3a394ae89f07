#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryTable.h"

#include "support/Budgets.h"
#include "support/HistoryFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringEncoder>

using namespace belvane;
using namespace belvane::test;

namespace {

const QString kPath = QStringLiteral("/dados/Projetos/Hist.bvh");

// A line as the program writes it, for budget `number`.
QString goodLine(int number)
{
    return QStringLiteral("%1,09/12/2020,Cliente %1,,\"120,5\",100,Casa,\"12750,00\",\"127,50\",0,"
                          "Aguardando,False,ORC%2.bvp,,False,,09/12/2020,1,0\r\n")
        .arg(number)
        .arg(number, 6, 10, QLatin1Char('0'));
}

// Read as the history at kPath.
HistoryRead readText(const QByteArray& bytes)
{
    return readHistoryBytes(bytes, kPath);
}

HistoryRead readText(const QString& text)
{
    return readText(historyBytes(text));
}

// The problems found, as "line: message" for a readable failure message.
std::string problemsOf(const HistoryReadResult& result)
{
    QStringList lines;
    for (const HistoryFileProblem& problem : result.problems)
        lines << QString::number(problem.line) + QStringLiteral(": ") + problem.message;
    return lines.join(u'\n').toStdString();
}

bool hasProblem(const HistoryReadResult& result, int line, const QString& part)
{
    for (const HistoryFileProblem& problem : result.problems) {
        if (problem.line == line && problem.message.contains(part)
            && problem.message.contains(QDir::toNativeSeparators(kPath)))
            return true;
    }
    return false;
}

} // namespace

TEST(HistoryDamagedFileTest, ValuesThatDoNotConvertKeepTheRowAndAreReported)
{
    QString bad = goodLine(2);
    bad.replace(u"\"120,5\""_qs, u"12O"_qs).replace(u"09/12/2020,Cliente"_qs, u"32/13/2020,Cliente"_qs);
    bad.replace(u"Aguardando,False"_qs, u"Aguardando,talvez"_qs);
    const HistoryRead read = readText(goodLine(1) + bad + goodLine(3));

    ASSERT_EQ(read.table.rowCount(), 3);
    EXPECT_EQ(read.table.text(1, kColClient), u"Cliente 2"_qs);
    EXPECT_EQ(read.table.value(1, kColArea), 0.0);
    EXPECT_EQ(read.table.text(1, kColEditedDate), QString());
    EXPECT_FALSE(read.table.isChecked(1, kColSelected));
    EXPECT_TRUE(hasProblem(read.result, 2, u"\"12O\" da coluna \"Área[m2]\" não é um número"_qs))
        << problemsOf(read.result);
    EXPECT_TRUE(hasProblem(read.result, 2, u"\"32/13/2020\" da coluna \"Data Edição\" não é uma data"_qs));
    EXPECT_TRUE(hasProblem(read.result, 2, u"\"talvez\" da coluna \"Seleção\""_qs));
    EXPECT_EQ(read.result.damagedLines(), QList<int>{2});
}

TEST(HistoryDamagedFileTest, NumberColumnThatIsNoIntegerIsReported)
{
    QString line = goodLine(4);
    line.replace(0, 1, u"quatro"_qs);
    const HistoryRead read = readText(line);
    ASSERT_EQ(read.table.rowCount(), 1);
    EXPECT_EQ(read.table.text(0, kColNumber), u"quatro"_qs);
    EXPECT_TRUE(hasProblem(read.result, 1, u"\"quatro\""_qs)) << problemsOf(read.result);
}

TEST(HistoryDamagedFileTest, ExtraFieldsAreLeftOutAndMissingOnesLeftEmpty)
{
    QString longLine = goodLine(1);
    longLine.replace(u"\r\n"_qs, u",sobra,mais\r\n"_qs);
    const HistoryRead read = readText(longLine + u"2,09/12/2020,Curta\r\n"_qs);
    ASSERT_EQ(read.table.rowCount(), 2);
    EXPECT_EQ(read.table.text(0, kColK2), u"0"_qs);
    EXPECT_EQ(read.table.text(1, kColClient), u"Curta"_qs);
    EXPECT_EQ(read.table.text(1, kColStatus), QString());
    EXPECT_TRUE(hasProblem(read.result, 1, u"21 campos"_qs)) << problemsOf(read.result);
    EXPECT_TRUE(hasProblem(read.result, 2, u"só 3 de 19 campos"_qs));
}

TEST(HistoryDamagedFileTest, TextAfterTheLastLineEndIsKeptAsARow)
{
    QString cut = goodLine(2);
    cut.chop(2);
    const HistoryRead read = readText(goodLine(1) + cut);
    ASSERT_EQ(read.table.rowCount(), 2);
    EXPECT_EQ(read.table.text(1, kColClient), u"Cliente 2"_qs);
    EXPECT_EQ(read.table.text(1, kColK2), u"0"_qs);
    EXPECT_TRUE(hasProblem(read.result, 2, u"não termina com a quebra de linha"_qs))
        << problemsOf(read.result);
}

TEST(HistoryDamagedFileTest, EmptyLinesAndZeroPaddingAreSkippedAndReported)
{
    QByteArray bytes = historyBytes(goodLine(1) + u"\r\n"_qs + goodLine(2));
    bytes.append(6, '\0');
    const HistoryRead read = readText(bytes);
    ASSERT_EQ(read.table.rowCount(), 2);
    EXPECT_EQ(read.table.text(1, kColNumber), u"2"_qs);
    EXPECT_TRUE(hasProblem(read.result, 2, u"vazia"_qs)) << problemsOf(read.result);
    EXPECT_TRUE(hasProblem(read.result, 0, u"3 caracteres nulos"_qs));
}

TEST(HistoryDamagedFileTest, FilesWithoutTheMarkAreStillRead)
{
    const QString text = goodLine(1) + goodLine(2);
    const HistoryRead utf16 = readText(historyBytes(text, false));
    ASSERT_EQ(utf16.table.rowCount(), 2);
    EXPECT_EQ(utf16.table.text(0, kColClient), u"Cliente 1"_qs);
    EXPECT_TRUE(hasProblem(utf16.result, 0, u"foi lido como UTF-16"_qs)) << problemsOf(utf16.result);

    QString accented = text;
    accented.replace(u"Cliente 1"_qs, u"Conceição"_qs);
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringEncoder::Flag::WriteBom);
    const HistoryRead utf8 = readText(QByteArray(toUtf8(accented)));
    ASSERT_EQ(utf8.table.rowCount(), 2);
    EXPECT_EQ(utf8.table.text(0, kColClient), u"Conceição"_qs);
    EXPECT_TRUE(hasProblem(utf8.result, 0, u"UTF-8"_qs)) << problemsOf(utf8.result);

    QByteArray ansi = accented.toLatin1();
    const HistoryRead windows = readText(ansi);
    EXPECT_EQ(windows.table.text(0, kColClient), u"Conceição"_qs);
    EXPECT_TRUE(hasProblem(windows.result, 0, u"Windows-1252"_qs)) << problemsOf(windows.result);
}

TEST(HistoryDamagedFileTest, OddLastByteAndEmptyFileAreReported)
{
    QByteArray bytes = historyBytes(goodLine(1));
    bytes.append('\x41');
    const HistoryRead odd = readText(bytes);
    EXPECT_EQ(odd.table.rowCount(), 1);
    EXPECT_TRUE(hasProblem(odd.result, 0, u"byte avulso"_qs)) << problemsOf(odd.result);

    const HistoryRead empty = readText(QByteArray());
    EXPECT_EQ(empty.table.rowCount(), 0);
    EXPECT_TRUE(empty.result.damaged());
}

TEST(HistoryDamagedFileTest, SummaryNamesTheFileAndTheLines)
{
    QString text;
    for (int number = 1; number <= 50; ++number) {
        QString line = goodLine(number);
        if (number % 2 == 0)
            line.replace(u"\"120,5\""_qs, u"x"_qs);
        text += line;
    }
    const HistoryRead read = readText(text);
    EXPECT_EQ(read.table.rowCount(), 50);
    const QString summary = read.result.summary();
    EXPECT_TRUE(summary.contains(QDir::toNativeSeparators(kPath)));
    EXPECT_TRUE(summary.contains(u"As linhas 2, 4, 6"_qs)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(u"e mais 5"_qs)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(u"cópia do arquivo original"_qs));

    const HistoryRead clean = readText(goodLine(1));
    EXPECT_FALSE(clean.result.damaged());
    EXPECT_TRUE(clean.result.summary().isEmpty());
}

TEST(HistoryDamagedFileTest, ArbitraryBytesNeverBreakTheReader)
{
    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise.append(char((i * 7919 + 13) % 256));
    for (const QByteArray& bytes : {noise, QByteArray("\xFF\xFE") + noise, QByteArray("\xFF"),
                                    QByteArray("\xFF\xFE\x22\x00", 4)}) {
        const HistoryRead read = readText(bytes);
        for (int row = 0; row < read.table.rowCount(); ++row) {
            for (int column = 0; column < kHistoryColumnCount; ++column)
                read.table.text(row, column);
        }
        EXPECT_TRUE(read.result.ok());
    }
}

TEST(HistoryDamagedFileTest, DamagedFilesSettleAfterOneRewrite)
{
    // Whatever a damaged file held, once read and written the history must come back the same
    // from its own file: nothing keeps changing or disappearing at every start.
    QString text;
    for (int number = 1; number <= 8; ++number)
        text += goodLine(number);
    const QByteArray good = historyBytes(text + u"9,,\"a,\"\"b\"\"\",|x,,,,,,0,,True,,\"c|d\",,,,,\r\n"_qs);
    QRandomGenerator random(42);
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = good;
        for (int flips = random.bounded(1, 6); flips > 0; --flips)
            damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
        if (random.bounded(4) == 0)
            damaged.truncate(random.bounded(int(damaged.size())));
        const QByteArray once = historyFileBytes(readText(damaged).table);
        const QByteArray twice = historyFileBytes(readText(once).table);
        ASSERT_EQ(twice, once) << "round " << round;
    }
}

using HistoryUnreadableFileTest = HistoryFolderTest;

TEST_F(HistoryUnreadableFileTest, IsAFailureNamingTheFile)
{
    const QString path = pathOf(u"Hist.bvh"_qs);
    ASSERT_TRUE(QDir().mkdir(path));  // a folder where the file should be
    HistoryTable table;
    const HistoryReadResult read = ReadHistoryFile(table, path);
    EXPECT_EQ(read.state, HistoryReadResult::State::Failed);
    EXPECT_TRUE(read.damaged());
    EXPECT_TRUE(read.summary().contains(QDir::toNativeSeparators(path))) << read.summary().toStdString();
}
