#pragma once
// One entry of time spent on a job: who worked, on which task, on which day, for how long. Hours
// are kept in quarters of an hour (0,25 h), the step people record time in, so sums are exact.
#include <QDate>
#include <QString>

namespace belvane {

// The task every job has besides its rated ones: meetings, travel, approvals. It is the hidden
// cost of every job, so it is recorded like any task.
inline QString otherActivitiesTask() { return QStringLiteral("Outras atividades"); }

struct HourEntry {
    qint32 budgetNumber = 0; // the job: the number of the won budget
    QDate date;              // "Data"
    QString person;          // "Pessoa"
    QString task;            // "Tarefa": a rated task of the budget or otherActivitiesTask()
    int quarters = 0;        // "Horas" in quarters of an hour: 1 = 0,25 h; at most 96 a day
    QString note;            // "Nota"

    double hours() const { return quarters / 4.0; }
    bool operator==(const HourEntry&) const = default;
};

} // namespace belvane
