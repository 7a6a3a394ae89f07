#pragma once
// The hours the whole office recorded: every seat's journal under "Projetos/Horas/", read and
// folded into the entries as they stand, each knowing its journal and sequence. A journal that
// cannot be read (damaged, from a newer program, a file the system refuses) is named in
// problems() and the others still count; a journal of a seat that no longer exists is read like
// any other. refresh() reads only what each journal appended since the last one, so the jobs
// page pays for a cold read once and then follows the other seats cheaply.
//
// The hours of deleted budgets stop counting by the marks of their deletion (HourDropMarks),
// which the database keeps: the book only reads them.
#include "core/jobs/FoldedHourJournal.h"
#include "core/jobs/HourDropMarks.h"
#include "core/jobs/RecordedHourEntry.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QString>

#include <map>
#include <vector>

namespace belvane {

struct HourJournalProblem {
    QString journal; // the file's name
    QString seat;    // "ana em ESCRITORIO"
    QString message; // the Portuguese sentence naming the seat and the file
};

class HourBook {
public:
    explicit HourBook(const QString& projectsDir);

    QString folder() const { return m_folder; }
    void refresh();
    void setDropMarks(HourDropMarks marks) { m_marks = std::move(marks); }
    // The last sequence of every journal read, by its token: what deleting a budget notes.
    HourJournalMarks highWaterMarks() const;

    // A budget's entries, by date, then journal and sequence.
    std::vector<RecordedHourEntry> entriesOf(int budget) const;
    qint64 quartersOf(int budget) const;
    // What the question of "Excluir" tells of a budget's hours.
    double hoursOfBudget(int budget) const { return double(quartersOf(budget)) / 4.0; }
    QHash<int, qint64> quartersByBudget() const;
    QMap<QString, qint64> quartersByTask(int budget) const;
    QMap<QString, qint64> quartersByPerson(int budget) const;
    // What a person recorded on a day across all journals (names compared regardless of letter
    // case), leaving out the entry `except` when one is being edited.
    qint64 quartersOfPersonOn(const QString& person, const QDate& day,
                              const HourEntryId* except = nullptr) const;
    // The person of the latest entry added or changed in `journal`; empty when none.
    QString lastPersonOf(const QString& journal) const;

    std::vector<HourJournalProblem> problems() const;
    // The bytes the last refresh read, all journals together.
    qint64 lastReadBytes() const { return m_lastReadBytes; }

private:
    static void readSideBySide(const std::vector<FoldedHourJournal*>& journals);
    bool counts(const FoldedHourJournal& journal, const FoldedHourJournal::Slot& slot) const;
    template <typename Visit> void forEachOf(int budget, Visit visit) const;

    QString m_folder;
    std::map<QString, FoldedHourJournal> m_journals; // by file name
    HourDropMarks m_marks;
    qint64 m_lastReadBytes = 0;
};

} // namespace belvane
