// A program that saves budgets is killed outright at random moments, as a crash or a pulled plug
// would stop it, and after every kill the projects folder must still be one the program can start
// on: each data file is whole, either the version before the interrupted save or the one after
// it; the history never lists a budget whose file is older than its row (the budget file is
// written first); the counter never runs ahead of the budget it counts (it is written last); and
// whatever temporary file the kill left behind is never taken for a budget, the counter or the
// history. The database beside them opens as it is, never set aside as damaged, and holds each
// save's changes all or none, never ahead of the budget file they belong to.
//
// 20 kills by default; BELVANE_LONG_TESTS=1 makes it 200.
#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetNumbering.h"
#include "core/history/HistoryStore.h"
#include "core/storage/BudgetFileNameCheck.h"
#include "core/store/ExtensionStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>

using namespace belvane;

namespace {

constexpr int kBudgets = 5;

// What the writer reported as surely on disk.
struct Progress {
    std::map<int, int> budget;   // budget number -> save k last written
    int history = 0;             // save k whose history write last completed
    int counter = 0;
    int database = 0;            // save k whose changes the database last took
    int highest = 0;             // the highest save k the writer reported at all
};

void readProgress(const QByteArray& output, Progress& progress)
{
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 3 && parts[0] == "B")
            progress.budget[parts[1].toInt()] = parts[2].toInt();
        else if (parts.size() == 2 && parts[0] == "H")
            progress.history = parts[1].toInt();
        else if (parts.size() == 2 && parts[0] == "C")
            progress.counter = parts[1].toInt();
        else if (parts.size() == 2 && parts[0] == "D")
            progress.database = parts[1].toInt();
        else
            continue;
        progress.highest = std::max(progress.highest, parts.last().toInt());
    }
}

// The save k a budget version was written by, from its client name; 0 when it is no version the
// writer wrote.
int saveOf(const TBudgetData& budget)
{
    static const QRegularExpression pattern(QStringLiteral("^Cliente (\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(budget.ClientName.toQString());
    if (!match.hasMatch())
        return 0;
    const int k = match.captured(1).toInt();
    const bool consistent = budget.Area == float(k) && budget.BudgetValue == float(k) * 100.0f
                            && budget.Number == (k - 1) % kBudgets + 1;
    return consistent ? k : 0;
}

class CrashTest : public ::testing::Test {
protected:
    // Qt loads its database drivers as plugins, which needs an application object.
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "belvane_crash_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }

    QString projects() const { return m_dir.path() + QStringLiteral("/Projetos/"); }

    // Runs the writer from save `first` on and kills it `delayMs` after its first report; returns
    // its reports.
    QByteArray runAndKill(int first, int delayMs)
    {
        QProcess writer;
        writer.setProgram(QStringLiteral(BELVANE_CRASH_WRITER));
        writer.setArguments({projects(), QString::number(first)});
        writer.setProcessChannelMode(QProcess::SeparateChannels);
        writer.start();
        EXPECT_TRUE(writer.waitForStarted(5000));
        // The kill is timed from the first completed step, not from the start: a loaded machine
        // may take longer to start the program than to run many saves.
        writer.waitForReadyRead(5000);
        QThread::usleep(static_cast<unsigned long>(delayMs) * 1000);
        writer.kill();   // SIGKILL: no handler, no flush, no destructor runs
        EXPECT_TRUE(writer.waitForFinished(5000));
        EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit) << writer.readAllStandardError().toStdString();
        return writer.readAllStandardOutput();
    }

    // Checks the folder after a kill; returns the counter on disk. What was found on disk counts
    // as known from then on: no later kill may bring an older version back.
    int checkFolder(Progress& known, int trial)
    {
        SCOPED_TRACE("after kill " + std::to_string(trial));
        // Budget files: whole, a version the writer wrote, not older than the last one reported.
        std::map<int, int> fileSave;
        for (int number = 1; number <= kBudgets; ++number) {
            const QString path = projects() + BudgetFileName(number);
            if (!QFile::exists(path)) {
                EXPECT_EQ(known.budget.count(number), 0u) << "lost " << path.toStdString();
                continue;
            }
            EXPECT_EQ(QFileInfo(path).size(), qint64(sizeof(TBudgetData))) << path.toStdString();
            TBudgetData budget = zeroBudget();
            EXPECT_EQ(ReadBudgetFile(budget, path).state, RecordReadState::Read);
            const int k = saveOf(budget);
            EXPECT_GT(k, 0) << "a torn or foreign version in " << path.toStdString();
            if (known.budget.count(number)) {
                EXPECT_GE(k, known.budget.at(number)) << "an older version came back in " << path.toStdString();
            }
            EXPECT_LE(k, known.highest + 1);
            fileSave[number] = k;
        }

        // The history: read cleanly, and never ahead of the budget files it lists.
        HistoryStore history(projects());
        const HistoryReadResult read = history.load();
        EXPECT_FALSE(read.damaged()) << read.summary().toStdString();
        const HistoryTable& table = history.table();
        int newestRow = 0;
        for (int row = 0; row < table.rowCount(); ++row) {
            const int number = table.text(row, kColNumber).toInt();
            const int rowSave = table.text(row, kColClient).mid(8).toInt();
            EXPECT_EQ(table.findRowByNumber(number), row) << "budget " << number << " listed twice";
            if (!fileSave.count(number)) {
                ADD_FAILURE() << "the history lists budget " << number << " without its file";
                continue;
            }
            EXPECT_GE(fileSave.at(number), rowSave) << "the history is ahead of budget " << number;
            newestRow = std::max(newestRow, rowSave);
        }
        EXPECT_GE(newestRow, known.history) << "the history lost a save";

        // The counter: whole, and never ahead of the budget file of its save.
        const BudgetCounterRead counter = ReadBudgetCounter(projects());
        EXPECT_TRUE(counter.ok()) << counter.error.toStdString();
        EXPECT_GE(counter.value, known.counter);
        EXPECT_LE(counter.value, known.highest + 1);
        if (counter.value > 0) {
            const int number = (counter.value - 1) % kBudgets + 1;
            EXPECT_TRUE(fileSave.count(number) && fileSave.at(number) >= counter.value)
                << "the counter is ahead of budget " << number;
        }

        checkDatabase(known, fileSave);

        // Whatever else lies in the folder is a temporary file the kill left: nothing may take it
        // for data, and the program can still give a new number.
        QStringList data{QStringLiteral("Hist.bvh"), QStringLiteral("Control.bin"),
                         ExtensionDatabase::fileName()};
        for (int number = 1; number <= kBudgets; ++number)
            data.append(BudgetFileName(number));
        for (const QString& name : QDir(projects()).entryList(QDir::Files | QDir::Hidden)) {
            if (data.contains(name))
                continue;
            EXPECT_FALSE(isBudgetFileName(name)) << name.toStdString();
            ++m_leftovers;
        }
        EXPECT_TRUE(history.filePath().endsWith(QStringLiteral("/Hist.bvh")));
        const BudgetNumber next = nextBudgetNumber(counter.value, table, projects());
        EXPECT_TRUE(next.ok());
        for (const auto& [number, save] : fileSave) {
            EXPECT_GT(next.number, number);
            known.budget[number] = std::max(known.budget[number], save);
            known.highest = std::max(known.highest, save);
        }
        known.history = std::max(known.history, newestRow);
        known.counter = std::max(known.counter, int(counter.value));
        known.highest = std::max(known.highest, known.counter);
        return counter.value;
    }

    // The database: whole (a journal left by the kill is rolled back on opening), each save's two
    // changes there together or not at all, none for a save whose budget file is not on disk, and
    // none reported as stored lost.
    void checkDatabase(Progress& known, const std::map<int, int>& fileSave)
    {
        ExtensionStore store(projects());
        const StoreOpen opened = store.database().open();
        EXPECT_TRUE(opened.state == StoreOpen::State::Opened || opened.state == StoreOpen::State::Created)
            << opened.message.toStdString();
        int newest = 0;
        for (int number = 1; number <= kBudgets; ++number) {
            std::map<int, int> changesOfSave;
            for (const StatusChange& change : store.statusLog().of(number)) {
                const int k =
                    change.field == kStatusField ? change.newValue.toInt() : change.newValue.toInt() / 100;
                ++changesOfSave[k];
            }
            for (const auto& [k, count] : changesOfSave) {
                EXPECT_EQ(count, 2) << "save " << k << " of budget " << number
                                    << " is in the database by halves";
                EXPECT_TRUE(fileSave.count(number) && fileSave.at(number) >= k)
                    << "the database is ahead of budget " << number;
                newest = std::max(newest, k);
            }
        }
        EXPECT_GE(newest, known.database) << "the database lost a save";
        known.database = std::max(known.database, newest);
        m_databaseSaves = newest;
    }

    QTemporaryDir m_dir;
    int m_leftovers = 0;
    int m_databaseSaves = 0;
};

} // namespace

TEST_F(CrashTest, KilledAtRandomMomentsLeavesEveryFileWholeAndInOrder)
{
    const bool longRun = qEnvironmentVariable("BELVANE_LONG_TESTS") == QLatin1String("1");
    const int trials = longRun ? 200 : 20;
    ASSERT_TRUE(QDir().mkpath(projects()));
    QRandomGenerator random(20261209u);
    Progress known;
    int saves = 0;
    for (int trial = 1; trial <= trials; ++trial) {
        const int first = ReadBudgetCounter(projects()).value + 1;
        const QByteArray output = runAndKill(first, random.bounded(0, 60));
        readProgress(output, known);
        saves = checkFolder(known, trial);
        if (HasFatalFailure())
            return;
    }
    std::printf(
        "[ crash    ] %d kills, %d saves completed, %d in the database, %d temporary files left behind\n",
        trials, saves, m_databaseSaves, m_leftovers);
    EXPECT_GT(saves, 0) << "the writer never got as far as a save: the kills came too early";
}
