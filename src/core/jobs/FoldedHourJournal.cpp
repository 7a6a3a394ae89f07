#include "core/jobs/FoldedHourJournal.h"

#include "core/storage/StorageMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace belvane {

FoldedHourJournal::FoldedHourJournal(QString path)
    : m_path(std::move(path)), m_fileName(QFileInfo(m_path).fileName())
{
}

QString FoldedHourJournal::seat() const
{
    if (m_scan.header.user.isEmpty() && m_scan.header.machine.isEmpty())
        return m_fileName;
    return QStringLiteral("%1 em %2").arg(m_scan.header.user, m_scan.header.machine);
}

const std::vector<int>* FoldedHourJournal::entriesOf(int budget) const
{
    const auto found = m_byBudget.constFind(budget);
    return found == m_byBudget.cend() ? nullptr : &found.value();
}

void FoldedHourJournal::refresh()
{
    m_lastReadBytes = 0;
    const QFileInfo info(m_path);
    const QDateTime modified = info.lastModified();
    if (m_readFailure.isEmpty() && info.size() == m_size && modified == m_modified)
        return;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        // What was read before still counts; the seat is named as not read now.
        m_readFailure = readFailureMessage(m_path, failureReason(m_path, file.error(), file.errorString()));
        m_problem = describeProblem();
        return;
    }
    m_readFailure.clear();
    m_modified = modified;
    if (!readTail(file))
        readWhole(file);
    apply();
    m_problem = describeProblem();
}

// Reads what was appended after the last read, when the file still begins as it did then.
bool FoldedHourJournal::readTail(QIODevice& file)
{
    if (m_scan.state != HourJournalScan::State::Ok || m_scan.headerBytes == 0 || file.size() < m_scan.consumed
        || file.read(m_scan.headerBytes) != m_headerLine || !file.seek(m_scan.consumed))
        return false;
    const QByteArray tail = file.readAll();
    m_lastReadBytes = m_scan.headerBytes + tail.size();
    m_size = m_scan.consumed + tail.size();
    scanHourRecords(tail, m_scan);
    return true;
}

void FoldedHourJournal::readWhole(QIODevice& file)
{
    reset();
    file.seek(0);
    const QByteArray bytes = file.readAll();
    m_lastReadBytes = bytes.size();
    m_size = bytes.size();
    m_scan = scanHourJournal(bytes);
    m_headerLine = bytes.first(m_scan.headerBytes);
}

void FoldedHourJournal::reset()
{
    m_scan = {};
    m_headerLine.clear();
    m_slots.clear();
    m_bySequence.clear();
    m_byBudget.clear();
    m_lastPerson.clear();
}

void FoldedHourJournal::apply()
{
    m_slots.reserve(m_slots.size() + m_scan.records.size());
    for (HourRecord& record : m_scan.records) {
        if (record.kind == HourRecord::Kind::Add) {
            const int index = int(m_slots.size());
            m_bySequence.insert(record.sequence, index);
            m_byBudget[record.entry.budgetNumber].push_back(index);
            m_lastPerson = record.entry.person;
            m_slots.push_back({std::move(record.entry), record.sequence, false});
            continue;
        }
        const int index = m_bySequence.value(record.target, -1);
        // An entry whose own line was damaged cannot be changed or deleted: it never counted.
        if (index < 0 || m_slots[std::size_t(index)].removed)
            continue;
        Slot& slot = m_slots[std::size_t(index)];
        if (record.kind == HourRecord::Kind::Remove) {
            slot.removed = true;
            continue;
        }
        m_lastPerson = record.entry.person;
        record.entry.budgetNumber = slot.entry.budgetNumber;
        slot.entry = std::move(record.entry);
    }
    m_scan.records.clear();
}

QString FoldedHourJournal::describeProblem() const
{
    const QString file = QDir::toNativeSeparators(m_path);
    if (!m_readFailure.isEmpty())
        return QStringLiteral("As horas de %1 não puderam ser lidas. %2").arg(seat(), m_readFailure);
    switch (m_scan.state) {
    case HourJournalScan::State::Newer:
        return QStringLiteral("As horas de %1 não foram lidas: o arquivo \"%2\" foi gravado por uma versão "
                              "mais nova do Belvane.")
            .arg(seat(), file);
    case HourJournalScan::State::NotAJournal:
        return QStringLiteral("As horas de %1 não foram lidas: o arquivo \"%2\" não é um registro de horas "
                              "do Belvane.")
            .arg(seat(), file);
    case HourJournalScan::State::Ok:
    case HourJournalScan::State::Empty:
        break;
    }
    if (m_scan.damagedLines == 0)
        return {};
    return QStringLiteral("O arquivo de horas de %1 (\"%2\") está danificado: %3 linha(s) não puderam ser "
                          "lidas; as demais horas contam.")
        .arg(seat(), file)
        .arg(m_scan.damagedLines);
}

} // namespace belvane
