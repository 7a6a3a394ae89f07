#include "support/BudgetFixture.h"

#include "core/history/HistoryColumns.h"
#include "core/history/HistoryStore.h"
#include "core/text/DayCount.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryPage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

#include <cstdio>

using namespace belvane;
using belvane::test::BudgetFixture;

// A tool, not a check: measures start-up and the history page's work with the largest history,
// 65,535 budgets (less one, so a new budget still gets a number), and prints the figures.
using StartupTimes = BudgetFixture;

TEST_F(StartupTimes, WithTheLargestHistory)
{
    QDir().mkpath(appDir() + QStringLiteral("Projetos"));
    {
        HistoryStore store(appDir() + QStringLiteral("Projetos/"));
        HistoryTable& table = store.table();
        table.reserve(65534);
        for (int number = 1; number <= 65534; ++number) {
            const int row = table.appendRow();
            table.setText(row, kColNumber, QString::number(number));
            table.setDate(row, kColEditedDate, dayCountFromDate(QDate(2015, 1, 1).addDays(number % 4000)));
            table.setText(row, kColClient, QStringLiteral("Cliente Conceição %1").arg(number));
            table.setText(row, kColStatus, number % 2 ? QStringLiteral("Aprovado") : QStringLiteral("Aguardando"));
            table.setValue(row, kColNegotiated, 10000.5 + number);
            table.setText(row, kColFile, QStringLiteral("ORC%1.bvp").arg(number, 6, 10, QLatin1Char('0')));
            table.setText(row, kColNotes, QStringLiteral("Reunião marcada\r\nretornar"));
        }
        ASSERT_TRUE(store.write().ok());
    }
    QElapsedTimer clock;
    clock.start();
    TForm1& w = start();
    w.show();
    w.splash()->hide();
    QCoreApplication::processEvents();
    const qint64 startup = clock.restart();
    w.openPage(kHistoryPage);
    QCoreApplication::processEvents();
    const qint64 open = clock.restart();
    auto* grid = find<QTableView>("Ng8");
    QString sorts;
    for (const int column : {kColNumber, kColClient, kColEditedDate, kColStatus}) {
        clock.restart();
        grid->horizontalHeader()->sectionClicked(column);
        QCoreApplication::processEvents();
        sorts += QStringLiteral(" %1").arg(clock.elapsed());
    }
    clock.restart();
    find<QLineEdit>("Edit1")->setText(QStringLiteral("conceição 6553"));
    QTest::keyClick(find<QLineEdit>("Edit1"), Qt::Key_Return);
    QCoreApplication::processEvents();
    const qint64 search = clock.restart();
    setUpOffice();
    w.openPage(kProjectPage);
    enterOneMemberBudget();
    clock.restart();
    click(controls::project::kSummarySelector);
    const qint64 generate = clock.restart();
    click(controls::project::kSaveBudget);
    const qint64 save = clock.restart();
    std::printf("65,534 budgets: start-up %lld ms, history page %lld ms, sort by number, client, date and "
                "status%s ms, search %lld ms, generate %lld ms, save %lld ms\n",
                startup, open, qPrintable(sorts), search, generate, save);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
}
