// Writes the starting inputs of the fuzz targets with the program's own writers, one folder per
// target: belvane_fuzz_seeds <folder>. Sound files made this way show the fuzzer the shape of
// each format, so that its changes reach deep into the readers from the first second.
#include "core/backup/ZipArchive.h"
#include "core/budget/BudgetCalc.h"
#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryTable.h"
#include "core/jobs/HourJournal.h"
#include "core/office/OfficeFile.h"
#include "core/settings/StatusColorsFile.h"
#include "core/storage/FolderLock.h"
#include "core/store/ExtensionStore.h"
#include "core/text/DayCount.h"
#include "core/text/NumberFormat.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>

using namespace belvane;

namespace {

QString g_root;

QString seedPath(const char* target, const QString& name)
{
    const QString dir = g_root + u'/' + QString::fromLatin1(target);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        std::exit(1);
    }
    return dir + u'/' + name;
}

void require(const IoResult& written)
{
    if (!written.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error));
        std::exit(1);
    }
}

void writeText(const char* target, const QString& name, const QString& text)
{
    QFile file(seedPath(target, name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

TOfficeData sampleOffice()
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    office.Name.assign(u"Ateliê Paraná Arquitetura");
    office.StaffCount = 3;
    const char16_t* names[] = {u"Ana Sá", u"João Brito", u"Lúcia Reis"};
    const char16_t* types[] = {u"Técnico", u"Técnico", u"Apoio"};
    const float costs[] = {5000.0f, 7250.5f, 2100.0f};
    for (int i = 0; i < 3; ++i) {
        office.StaffName[i].assign(names[i]);
        office.StaffRole[i].assign(u"Arquiteta");
        office.StaffType[i].assign(types[i]);
        office.StaffCost[i] = costs[i];
        office.StaffPercentA[i] = 100;
        office.StaffPercentB[i] = 80;
    }
    office.FixedExpenseName[0].assign(u"Aluguel");
    office.FixedExpenseValue[0] = 3200.0f;
    office.VariableExpenseName[0].assign(u"Energia, água");
    office.VariableExpenseValue[0] = 480.75f;
    ComputeOfficeTotals(office);
    return office;
}

TBudgetData sampleBudget(int number, const char16_t* client)
{
    TBudgetData b = zeroBudget();
    NewBudgetRecord(b);
    b.Number = static_cast<std::uint16_t>(number);
    b.Status.assign(u"Aguardando");
    b.CreatedDate = dayCountFromDate(QDate(2021, 3, 15));
    b.EditedDate = dayCountFromDate(QDate(2021, 4, 2));
    b.CreatedTime = 0.6;
    b.ClientName.assign(client);
    b.ClientPhone.assign(u"(41) 3333-0101");
    b.ClientAddress.assign(u"Rua XV de Novembro, 1000, \"Bloco B\"");
    b.BuildingUse.assign(u"Residencial");
    b.Service.assign(u"Projeto arquitetônico");
    b.ProjectCode.assign(u"PX-7");
    b.Area = 182.5f;
    b.Hxh = 240;
    b.MonthlyHours = 160.0f;
    b.TeamCount = 2;
    b.TeamName[0].assign(u"Ana Sá");
    b.TeamCost[0] = 5000.0f;
    b.TeamShare[0] = 100;
    b.TeamProductivity[0] = 100;
    b.TeamName[1].assign(u"João Brito");
    b.TeamCost[1] = 7250.5f;
    b.TeamShare[1] = 50;
    b.TeamProductivity[1] = 80;
    b.CostPerHour = 41.3f;
    b.StandardFactor = 1.2f;
    b.ComplexityFactor = 1.0f;
    b.RepetitionFactor = 1.0f;
    b.Repetitions = 1;
    b.ProfitPercent = 20.0f;
    b.TaxRate = 11.33f;
    b.RRT = 119.61f;
    b.TravelExpenses = 350.0f;
    ComputeBudget(b);
    return b;
}

void historySeeds()
{
    const char* target = "history_file";
    HistoryTable table;
    require(WriteHistoryFile(table, seedPath(target, QStringLiteral("empty.bvh"))));
    StoreHistoryRow(table, sampleBudget(1, u"Construtora Ípsilon"));
    require(WriteHistoryFile(table, seedPath(target, QStringLiteral("one-row.bvh"))));

    const int second = StoreHistoryRow(table, sampleBudget(2, u"Silva, Souza & \"Filhos\""));
    table.setText(second, kColNegotiated, u"15230,5");
    table.setText(second, kColStatus, u"Aprovado");
    table.setText(second, kColNotes, u"Reunião dia 12, às 14h.\r\nCliente pediu \"desconto\".");
    table.setChecked(second, kColSelected, true);
    const int third = StoreHistoryRow(table, sampleBudget(65535, u"Prefeitura de Lapa"));
    table.setDate(third, kColEditedDate, dayCountFromDate(QDate(1899, 12, 29)) - 0.25);
    table.setChecked(third, kColModified, true);
    table.setText(third, kColNotes, u"a|b\nlinha colada, de fora");
    require(WriteHistoryFile(table, seedPath(target, QStringLiteral("three-rows.bvh"))));
}

void recordSeeds()
{
    const TOfficeData office = sampleOffice();
    require(WriteOfficeFile(office, seedPath("office_file", QStringLiteral("Office.bvo"))));
    TOfficeData fresh = zeroOffice();
    DefaultOffice(fresh);
    require(WriteOfficeFile(fresh, seedPath("office_file", QStringLiteral("default.bvo"))));

    require(WriteBudgetFile(sampleBudget(12, u"Construtora Ípsilon"),
                            seedPath("budget_file", QStringLiteral("ORC000012.bvp"))));
    TBudgetData fresh2 = zeroBudget();
    NewBudgetRecord(fresh2);
    require(WriteBudgetFile(fresh2, seedPath("budget_file", QStringLiteral("ORC000001.bvp"))));

    TStatusColors colors = zeroStatusColors();
    DefaultStatusColors(colors);
    require(SaveStatusColors(colors, seedPath("status_colors_file", QStringLiteral("Colors.bin"))));
    colors.PaletteIndex = kChartPaletteCount - 1;
    colors.BarGradient = 1;
    require(SaveStatusColors(colors, seedPath("status_colors_file", QStringLiteral("last.bin"))));

    // The counter is written where the program keeps it, then renamed to one seed per value.
    const QString counterDir = seedPath("budget_counter", QString());
    for (const qint32 counter : {0, 12, 65535}) {
        const QString seed = counterDir + QStringLiteral("control-%1").arg(counter);
        require(WriteBudgetCounter(counterDir, counter));
        QFile::remove(seed);
        if (!QFile::rename(counterDir + QString::fromLatin1(kBudgetCounterFileName), seed)) {
            std::fprintf(stderr, "cannot rename the counter to %s\n", qPrintable(seed));
            std::exit(1);
        }
    }
}

void textSeeds()
{
    int n = 0;
    for (const double value : {0.0, 120.5, 1500.0, -0.125, 1.5e-7, 1e20, 11500.5, double(1.2f), 1234567.891})
        writeText("number_text", QStringLiteral("n%1").arg(n++), formatGeneral(value));
    writeText("number_text", QStringLiteral("n%1").arg(n++), formatNumber(11500.5, u"#,##0.00"));
    writeText("number_text", QStringLiteral("n%1").arg(n++), QStringLiteral(" -3,25E+2 "));

    n = 0;
    for (const double count : {dayCountFromDate(QDate(2020, 12, 8)), 44000.75, -1.25, 2958465.0,
                               dayCountFromDate(QDate(1, 1, 1))})
        writeText("date_text", QStringLiteral("d%1").arg(n++), formatDayCountDate(count));
    writeText("date_text", QStringLiteral("d%1").arg(n++), QStringLiteral(" 8/1/2021 7:05 "));
}

// A backup as the program writes it: both folders, a few of their files.
void backupSeeds()
{
    const QDateTime moment(QDate(2026, 12, 9), QTime(10, 30));
    const std::vector<ZipEntry> entries{
        {QStringLiteral("Escrt/"), {}, moment},
        {QStringLiteral("Escrt/Colors.bin"), QByteArray(28, '\x07'), moment},
        {QStringLiteral("Projetos/"), {}, moment},
        {QStringLiteral("Projetos/Control.bin"), QByteArray("\x0c\0\0\0", 4), moment},
        {QStringLiteral("Projetos/Hist.bvh"), QByteArray("\xff\xfe" "1\0", 4), moment},
    };
    QFile file(seedPath("backup_archive", QStringLiteral("Belvane-2026-12-09.zip")));
    if (!file.open(QIODevice::WriteOnly) || !writeZip(file, entries)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

// The database as the program makes it, and a file that is not one.
void storeSeeds()
{
    const QString made = seedPath("extension_store", ExtensionDatabase::fileName());
    {
        ExtensionStore store(QFileInfo(made).absolutePath());
        if (store.database().open().state != StoreOpen::State::Created) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(made));
            std::exit(1);
        }
    }
    QFile::rename(made, seedPath("extension_store", QStringLiteral("made.db")));
    QFile text(seedPath("extension_store", QStringLiteral("text.db")));
    if (!text.open(QIODevice::WriteOnly) || text.write("isto não é um banco de dados") < 0)
        std::exit(1);
}

// Locks as seats write them: this program's, and one of the version before it had session tokens.
void lockSeeds()
{
    const QString folder = g_root + QStringLiteral("/lock-work/");
    QDir().mkpath(folder);
    FolderLock lock(folder, {QStringLiteral("bia"), QStringLiteral("RECEPCAO"), QStringLiteral("b0c4f7")});
    const QDateTime now(QDate(2026, 12, 10), QTime(9, 0), QTimeZone(-4 * 3600));
    lock.acquire(now);
    lock.renew(now.addSecs(300));
    QFile written(lock.filePath());
    written.open(QIODevice::ReadOnly);
    writeText("folder_lock", QStringLiteral("atual"), QString::fromUtf8(written.readAll()));
    lock.release();
    QDir(folder).removeRecursively();
    writeText("folder_lock", QStringLiteral("antigo"),
              QStringLiteral("usuario=carla\nmaquina=ESCRITORIO-2\ndesde=2026-12-09T08:00:00\n"
                             "renovado=2026-12-09T08:25:00\n"));
}

// A journal as a seat writes it: entries added, changed and deleted, with names and notes that
// need escaping; and the same journal cut short in the middle of a record.
void journalSeeds()
{
    const QString folder = g_root + QStringLiteral("/journal-work/");
    HourJournal journal(folder + QStringLiteral("ana-PC-a1.horas"), QStringLiteral("ana"), QStringLiteral("PC"));
    const QDate day(2026, 12, 10);
    require(IoResult{journal.add({65000, day, QStringLiteral("Ana"), QStringLiteral("Estudo preliminar"), 6, {}}).error});
    require(IoResult{journal.add({65000, day, QStringLiteral("Bia\tSouza"), otherActivitiesTask(), 2,
                                  QStringLiteral("visita\nà obra")}).error});
    require(IoResult{journal.change(1, {65000, day.addDays(1), QStringLiteral("Ana"), QStringLiteral("Anteprojeto"), 8,
                                        QStringLiteral("corrigido")}).error});
    require(IoResult{journal.remove(2).error});
    QFile written(journal.path());
    written.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(written.readAll());
    writeText("hour_journal", QStringLiteral("atual"), text);
    writeText("hour_journal", QStringLiteral("cortado"), text + QStringLiteral("nova\t5\t65000\t2026-12-1"));
    QDir(folder).removeRecursively();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    // Qt loads its database drivers as plugins, which needs an application object.
    QCoreApplication app(argc, argv);
    g_root = QString::fromLocal8Bit(argv[1]);
    historySeeds();
    recordSeeds();
    textSeeds();
    backupSeeds();
    storeSeeds();
    lockSeeds();
    journalSeeds();
    return 0;
}
