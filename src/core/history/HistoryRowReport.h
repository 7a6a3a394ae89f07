#pragma once
// The report of one history row, ready for the report panel: the budget file the row names is
// read (never when the row names no budget file), and the report built from it with the row's
// status, negotiated value and observations.
#include "core/history/BudgetReport.h"

#include <QList>
#include <QString>

namespace belvane {

class HistoryTable;

struct HistoryRowReport {
    enum class State {
        Shown,        // `lines`, `caption` and `notes` are the report
        FileMissing,  // no budget file: `lines` is the single "arquivo não encontrado " line
        Failed,       // the file is there but could not be read: `error` says why
    };
    State state = State::FileMissing;
    QString caption;            // "Orçamento nº: 12"; empty unless Shown
    QList<ReportLine> lines;
    QString notes;              // the row's observations; empty unless Shown
    TBudgetData budget = zeroBudget();  // the budget file as read; zero unless Shown
    QString error;              // also set when the row names no budget file
};

// A negative or unknown row gives FileMissing with no lines.
HistoryRowReport reportForHistoryRow(const HistoryTable& table, int row, const QString& projectsDir);

} // namespace belvane
