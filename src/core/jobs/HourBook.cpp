#include "core/jobs/HourBook.h"

#include "core/jobs/HourJournal.h"

#include <QDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>

namespace belvane {

HourBook::HourBook(const QString& projectsDir) : m_folder(HourJournal::folderIn(projectsDir)) {}

void HourBook::refresh()
{
    // System: a link whose file is gone (a share no longer there) is listed, to be named as unread.
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.") + HourJournal::suffix()},
                                                       QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    // A journal gone from the folder (a restore of a copy without it) takes its hours along.
    std::erase_if(m_journals, [&](const auto& journal) { return !names.contains(journal.first); });
    std::vector<FoldedHourJournal*> changed;
    for (const QString& name : names) {
        FoldedHourJournal& journal = m_journals.try_emplace(name, m_folder + name).first->second;
        if (journal.unchanged())
            journal.refresh();
        else
            changed.push_back(&journal);
    }
    readSideBySide(changed);
    m_lastReadBytes = 0;
    for (const auto& [name, journal] : m_journals)
        m_lastReadBytes += journal.lastReadBytes();
}

// The first read of an office's journals is most of the work of showing its jobs: they are read
// on as many threads as the machine runs at once, each journal whole on one.
void HourBook::readSideBySide(const std::vector<FoldedHourJournal*>& journals)
{
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < journals.size(); i = next++)
            journals[i]->refresh();
    };
    const std::size_t atOnce =
        std::min(journals.size(), std::size_t(std::max(1, QThread::idealThreadCount())));
    std::vector<std::thread> helpers;
    for (std::size_t i = 1; i < atOnce; ++i)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
}

HourJournalMarks HourBook::highWaterMarks() const
{
    HourJournalMarks marks;
    for (const auto& [name, journal] : m_journals) {
        if (!journal.token().isEmpty())
            marks.insert(journal.token(), journal.lastSequence());
    }
    return marks;
}

bool HourBook::counts(const FoldedHourJournal& journal, const FoldedHourJournal::Slot& slot) const
{
    if (slot.removed)
        return false;
    const auto dropped = m_marks.constFind(slot.entry.budgetNumber);
    return dropped == m_marks.cend() || slot.sequence > dropped->value(journal.token(), 0);
}

template <typename Visit> void HourBook::forEachOf(int budget, Visit visit) const
{
    for (const auto& [name, journal] : m_journals) {
        const std::vector<int>* indices = journal.entriesOf(budget);
        if (!indices)
            continue;
        for (const int index : *indices) {
            const FoldedHourJournal::Slot& slot = journal.entries()[std::size_t(index)];
            if (counts(journal, slot))
                visit(journal, slot);
        }
    }
}

std::vector<RecordedHourEntry> HourBook::entriesOf(int budget) const
{
    std::vector<RecordedHourEntry> entries;
    forEachOf(budget, [&](const FoldedHourJournal& journal, const FoldedHourJournal::Slot& slot) {
        entries.push_back({{journal.fileName(), slot.sequence}, slot.entry});
    });
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const RecordedHourEntry& a, const RecordedHourEntry& b) { return a.entry.date < b.entry.date; });
    return entries;
}

qint64 HourBook::quartersOf(int budget) const
{
    qint64 quarters = 0;
    forEachOf(budget, [&](const FoldedHourJournal&, const FoldedHourJournal::Slot& slot) {
        quarters += slot.entry.quarters;
    });
    return quarters;
}

QHash<int, qint64> HourBook::quartersByBudget() const
{
    QHash<int, qint64> totals;
    for (const auto& [name, journal] : m_journals) {
        for (const FoldedHourJournal::Slot& slot : journal.entries()) {
            if (counts(journal, slot))
                totals[slot.entry.budgetNumber] += slot.entry.quarters;
        }
    }
    return totals;
}

QMap<QString, qint64> HourBook::quartersByTask(int budget) const
{
    QMap<QString, qint64> totals;
    forEachOf(budget, [&](const FoldedHourJournal&, const FoldedHourJournal::Slot& slot) {
        totals[slot.entry.task] += slot.entry.quarters;
    });
    return totals;
}

QMap<QString, qint64> HourBook::quartersByPerson(int budget) const
{
    QMap<QString, qint64> totals;
    forEachOf(budget, [&](const FoldedHourJournal&, const FoldedHourJournal::Slot& slot) {
        totals[slot.entry.person] += slot.entry.quarters;
    });
    return totals;
}

qint64 HourBook::quartersOfPersonOn(const QString& person, const QDate& day, const HourEntryId* except) const
{
    const QString name = person.trimmed();
    qint64 quarters = 0;
    for (const auto& [fileName, journal] : m_journals) {
        for (const FoldedHourJournal::Slot& slot : journal.entries()) {
            if (slot.entry.date != day || !counts(journal, slot)
                || slot.entry.person.trimmed().compare(name, Qt::CaseInsensitive) != 0)
                continue;
            if (!except || except->journal != fileName || except->sequence != slot.sequence)
                quarters += slot.entry.quarters;
        }
    }
    return quarters;
}

QString HourBook::lastPersonOf(const QString& journal) const
{
    const auto found = m_journals.find(journal);
    return found == m_journals.end() ? QString() : found->second.lastPerson();
}

std::vector<HourJournalProblem> HourBook::problems() const
{
    std::vector<HourJournalProblem> problems;
    for (const auto& [name, journal] : m_journals) {
        if (!journal.problem().isEmpty())
            problems.push_back({name, journal.seat(), journal.problem()});
    }
    return problems;
}

} // namespace belvane
