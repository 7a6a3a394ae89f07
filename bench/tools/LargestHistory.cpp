// Writes the largest history, 65,535 rows as a long-running office leaves them, into the
// projects folder given: the data the start-up and save measures run on.
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryStore.h"
#include "core/text/DayCount.h"

#include <QDate>
#include <QDir>

#include <cstdio>

using namespace belvane;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <projects folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + u'/';
    QDir().mkpath(folder);
    HistoryStore store(folder);
    HistoryTable& table = store.table();
    table.reserve(65535);
    const char16_t* statuses[] = {u"Aguardando", u"Aprovado", u"Reprovado", u"Concluído"};
    for (int number = 1; number <= 65535; ++number) {
        const int row = table.appendRow();
        table.setText(row, kColNumber, QString::number(number));
        table.setDate(row, kColEditedDate, dayCountFromDate(QDate(2007, 1, 1).addDays(number / 9)));
        table.setText(row, kColClient, QStringLiteral("Cliente Conceição %1").arg(number));
        table.setText(row, kColPhone,
                      QStringLiteral("(41) 3333-%1").arg(number % 10000, 4, 10, QLatin1Char('0')));
        table.setValue(row, kColArea, 80.5 + number % 900);
        table.setText(row, kColHxh, QString::number(100 + number % 700));
        table.setText(row, kColService, QStringLiteral("Projeto Arquitetônico"));
        table.setText(row, kColBudgetValue, QStringLiteral("%1,50").arg(10000 + number));
        table.setText(row, kColStatus, QString::fromUtf16(statuses[number % 4]));
        table.setValue(row, kColNegotiated, number % 3 ? 9500.5 + number : 0.0);
        table.setText(row, kColFile, QStringLiteral("ORC%1.bvp").arg(number, 6, 10, QLatin1Char('0')));
        table.setText(row, kColNotes, QStringLiteral("Reunião marcada\r\nretornar, \"sem falta\""));
    }
    return store.write().ok() ? 0 : 1;
}
