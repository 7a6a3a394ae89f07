// A data folder with one kind of damage at a time — files cut short, a history that another program
// wrote, a history row whose "arquivo" points outside the projects folder, a listed budget whose
// file is gone — is started, used as a user would (report, reopen, a new budget saved, a budget
// deleted, a status picked) and closed. The program must not crash, must tell the user exactly
// the messages listed here, and must not lose a byte of the user's data: every file is either as
// it was, or was written by the user's own action; a damaged history is kept as an original copy
// before it is rewritten.
#include "support/BudgetFixture.h"
#include "support/Budgets.h"
#include "support/Files.h"
#include "support/HistoryFiles.h"
#include "support/Records.h"

#include "core/budget/BudgetCounter.h"
#include "core/office/OfficeFile.h"
#include "core/settings/StatusColorsFile.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryPage.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace belvane;
using namespace belvane::test;

namespace {

struct Damage {
    const char* name;
    void (*apply)(const QString& appDir);
    QStringList expected;   // a piece of each message the user sees, in order
};

void cut(const QString& path, int size) { writeFile(path, fileContents(path).left(size)); }

// The history as text, without its byte-order mark, to be edited and written back.
QString historyText(const QString& appDir)
{
    return historyTextOf(fileContents(appDir + QStringLiteral("Projetos/Hist.bvh")));
}

void putHistory(const QString& appDir, const QString& text, bool mark = true)
{
    writeFile(appDir + QStringLiteral("Projetos/Hist.bvh"), historyBytes(text, mark));
}

// The fields of a history line; a comma inside quotation marks belongs to its field.
QStringList splitFields(const QString& line)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        if (c == u',' && !quoted)
            fields.append(QString());
        else
            fields.last().append(c);
    }
    return fields;
}

// Replaces field `column` of the line of budget `number` by `value`, written as it is.
void setField(const QString& appDir, int number, int column, const QString& value)
{
    QStringList lines = historyText(appDir).split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        if (!line.startsWith(QString::number(number) + u','))
            continue;
        QStringList fields = splitFields(line);
        fields[column] = value;
        line = fields.join(u',');
    }
    putHistory(appDir, lines.join(QStringLiteral("\r\n")));
}

const QString kSaved = QStringLiteral("O orçamento foi salvo.");
const QString kDeleteQuestion = QStringLiteral("O orçamento selecionado(nº 2)o será definivamente excluído. Continuar?");

const Damage kDamages[] = {
    {"ShortOfficeFile", [](const QString& d) { cut(d + QStringLiteral("Escrt/Office.bvo"), 1000); },
     {QStringLiteral("Office.bvo"), kSaved, kDeleteQuestion}},
    {"ShortBudgetFile", [](const QString& d) { cut(d + QStringLiteral("Projetos/ORC000001.bvp"), 300); },
     {QStringLiteral("ORC000001.bvp"), QStringLiteral("ORC000001.bvp"), kSaved, kDeleteQuestion,
      QStringLiteral("ORC000001.bvp")}},
    {"TwoByteCounter", [](const QString& d) { cut(d + QStringLiteral("Projetos/Control.bin"), 2); },
     // Told at start and again when "Novo" starts the next budget.
     {QStringLiteral("Control.bin"), QStringLiteral("Control.bin"), kSaved, kDeleteQuestion}},
    {"ShortColours", [](const QString& d) { cut(d + QStringLiteral("Escrt/Colors.bin"), 10); },
     {QStringLiteral("Colors.bin"), kSaved, kDeleteQuestion}},
    {"HistoryWithoutMark", [](const QString& d) { putHistory(d, historyText(d), false); },
     {QStringLiteral("Hist.bvh"), kSaved, kDeleteQuestion}},
    {"HistoryLineOf25Fields",
     [](const QString& d) { setField(d, 2, 18, QStringLiteral("1,2,3,4,5,6,7")); },
     {QStringLiteral("Hist.bvh"), kSaved, kDeleteQuestion}},
    {"HistoryNotANumber", [](const QString& d) { setField(d, 1, 4, QStringLiteral("muito")); },
     {QStringLiteral("Hist.bvh"), kSaved, kDeleteQuestion}},
    {"HistoryTextAfterTheLastLine",
     [](const QString& d) { putHistory(d, historyText(d) + QStringLiteral("resto sem fim de linha")); },
     {QStringLiteral("Hist.bvh"), kSaved, kDeleteQuestion}},
    {"ArquivoLeavingTheFolder",
     [](const QString& d) { setField(d, 2, 12, QStringLiteral("../Escrt/Office.bvo")); },
     {kSaved, kDeleteQuestion}},
    {"ArquivoAbsolutePath", [](const QString& d) { setField(d, 1, 12, QStringLiteral("/etc/passwd")); },
     {QStringLiteral("Não foi localizado o arquivo deste orçamento"), kSaved, kDeleteQuestion,
      QStringLiteral("/etc/passwd")}},
    {"ListedBudgetMissing", [](const QString& d) { QFile::remove(d + QStringLiteral("Projetos/ORC000001.bvp")); },
     {QStringLiteral("Não foi localizado o arquivo deste orçamento"), kSaved, kDeleteQuestion}},
};

class DamagedFilesTest : public BudgetFixture, public ::testing::WithParamInterface<Damage> {
protected:
    // A healthy folder: the office, budgets 1 and 2 with their rows, the counter and the colours.
    void healthyFolder()
    {
        ASSERT_TRUE(DataFolders::beside(appDir()).create());
        TOfficeData office = defaultOffice();
        office.Name.assign(u"Ateliê Damasco");
        ASSERT_TRUE(WriteOfficeFile(office, officeFolder() + QStringLiteral("Office.bvo")).ok());
        for (int number : {1, 2}) {
            saveBudgetTo(projects(), listedBudget(number, QStringLiteral("Cliente %1").arg(number),
                                                  100.0f * float(number), 1000.0f * float(number)));
            ASSERT_FALSE(HasFatalFailure());
        }
        ASSERT_TRUE(WriteBudgetCounter(projects(), 2).ok());
        ASSERT_TRUE(SaveStatusColors(defaultStatusColors(), officeFolder() + QStringLiteral("Colors.bin")).ok());
    }

    void select(int number)
    {
        const int row = history().findRowByNumber(number);
        ASSERT_GE(row, 0) << "no row for budget " << number;
        historyPage()->grid()->setCurrentIndex(historyPage()->model()->index(row, kColStatus));
        historyPage()->selectRow(row);
    }

    // Report and reopen budget 1, save a new budget, delete budget 2, pick a status for budget 1.
    void use()
    {
        window().show();
        window().openPage(kHistoryPage);
        select(1);
        click(controls::history::kReport);      // "Resumo"
        click(controls::history::kCloseReport); // closes the report
        select(1);
        click(controls::history::kReopen); // "Editar"
        window().openPage(kProjectPage);
        click(controls::project::kNewBudget); // "Novo"
        setUpOffice();
        enterOneMemberBudget();
        click(controls::project::kSummarySelector);
        click(controls::project::kSaveBudget); // "Salvar"
        window().openPage(kHistoryPage);
        select(2);
        Prompts::queueAnswer(QMessageBox::Yes);
        click(controls::history::kDelete); // "Excluir"
        select(1);
        HistoryModel* model = historyPage()->model();
        const int row = history().findRowByNumber(1);
        ASSERT_TRUE(model->setData(model->index(row, kColStatus), QStringLiteral("Aprovado"), Qt::EditRole));
    }
};

} // namespace

TEST_P(DamagedFilesTest, StartsIsUsedAndClosesWithoutLosingData)
{
    const Damage& damage = GetParam();
    healthyFolder();
    damage.apply(appDir());
    ASSERT_FALSE(HasFatalFailure());
    const auto before = picture();

    start();
    use();
    ASSERT_FALSE(HasFatalFailure());
    // A close that could not save everything asks whether to close all the same.
    const int shownBeforeClose = int(Prompts::messages().size());
    const bool closeAsks = int(damage.expected.size()) > shownBeforeClose;
    if (closeAsks)
        Prompts::queueAnswer(QMessageBox::Yes);
    EXPECT_TRUE(closeWindow());

    const QStringList shown = Prompts::messages();
    for (const QString& message : shown)
        std::printf("[ message  ] %s\n", qPrintable(message));
    ASSERT_EQ(shown.size(), damage.expected.size());
    for (int i = 0; i < shown.size(); ++i)
        EXPECT_TRUE(shown[i].contains(damage.expected[i])) << i << ": " << shown[i].toStdString();

    // Nothing the user did not ask for was lost. The new budget adds its file, the counter and
    // the history follow the saves; budget 2 was deleted; the colours are written at every close;
    // budget 1 took the status picked for it, unless its file was damaged.
    const auto after = picture();
    const QStringList rewritten{QStringLiteral("Projetos/Hist.bvh"), QStringLiteral("Projetos/Control.bin"),
                                QStringLiteral("Escrt/Colors.bin")};
    for (const auto& [file, bytes] : before) {
        if (file == QStringLiteral("Projetos/ORC000002.bvp") || rewritten.contains(file))
            continue;
        ASSERT_TRUE(after.count(file)) << "lost: " << file.toStdString();
        if (file == QStringLiteral("Projetos/ORC000001.bvp") && bytes.size() == qsizetype(sizeof(TBudgetData)))
            continue;
        EXPECT_EQ(after.at(file), bytes) << "altered: " << file.toStdString();
    }
    // A history the program did not write is kept whole beside the new one.
    const QStringList copies = QDir(projects()).entryList({QStringLiteral("Hist.bvh.original-*")}, QDir::Files);
    if (QString(damage.name).startsWith(QStringLiteral("History"))) {
        ASSERT_EQ(copies.size(), 1);
        EXPECT_EQ(fileContents(projects() + copies.first()), before.at(QStringLiteral("Projetos/Hist.bvh")));
    } else {
        EXPECT_TRUE(copies.isEmpty());
    }
    // The program starts again on what it left.
    Prompts::clearLog();
    start();
    EXPECT_GE(history().rowCount(), 1);
    // Only what is still damaged is told again: the office file the user never saved over, and a
    // history line the reader could not make sense of, which is kept as it was read.
    for (const QString& message : Prompts::messages())
        EXPECT_TRUE(message.contains(QStringLiteral("Office.bvo")) || message.contains(QStringLiteral("Hist.bvh")))
            << message.toStdString();
    // A status that could not be written back stays marked, so this close asks again.
    if (closeAsks)
        Prompts::queueAnswer(QMessageBox::Yes);
    EXPECT_TRUE(closeWindow());
}

INSTANTIATE_TEST_SUITE_P(EachDamage, DamagedFilesTest, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });
