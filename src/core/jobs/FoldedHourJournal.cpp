#include "core/jobs/FoldedHourJournal.h"

#include "core/storage/StorageMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

bool FoldedHourJournal::unchanged() const
{
    const QFileInfo info(m_path);
    return m_readFailure.isEmpty() && info.size() == m_size && info.lastModified() == m_modified;
}

void FoldedHourJournal::refresh()
{
    m_lastReadBytes = 0;
    const QDateTime modified = QFileInfo(m_path).lastModified();
    if (m_readFailure.isEmpty() && QFileInfo(m_path).size() == m_size && modified == m_modified)
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
    scanHourRecords(tail, m_scan, [this](HourRecord& record) { apply(record); });
    return true;
}

void FoldedHourJournal::readWhole(QIODevice& file)
{
    reset();
    file.seek(0);
    const QByteArray bytes = file.readAll();
    m_lastReadBytes = bytes.size();
    m_size = bytes.size();
    // Room for the entries at the length a line usually has, so the list is not moved as it grows.
    m_slots.reserve(std::size_t(bytes.size() / 64));
    m_scan = scanHourJournal(bytes, [this](HourRecord& record) { apply(record); });
    m_headerLine = bytes.first(m_scan.headerBytes);
}

void FoldedHourJournal::reset()
{
    m_scan = {};
    m_headerLine.clear();
    m_slots.clear();
    m_byBudget.clear();
    m_lastPersonSlot = -1;
}

QString FoldedHourJournal::lastPerson() const
{
    return m_lastPersonSlot < 0 ? QString() : m_slots[std::size_t(m_lastPersonSlot)].entry.person;
}

// Records come in rising sequence, so the entries are in the order of their sequences.
FoldedHourJournal::Slot* FoldedHourJournal::slotOf(qint64 sequence)
{
    const auto found =
        std::lower_bound(m_slots.begin(), m_slots.end(), sequence,
                         [](const Slot& slot, qint64 wanted) { return slot.sequence < wanted; });
    return found == m_slots.end() || found->sequence != sequence ? nullptr : &*found;
}

void FoldedHourJournal::apply(HourRecord& record)
{
    if (record.kind == HourRecord::Kind::Add) {
        m_lastPersonSlot = int(m_slots.size());
        m_byBudget[record.entry.budgetNumber].push_back(m_lastPersonSlot);
        m_slots.push_back({std::move(record.entry), record.sequence, false});
        return;
    }
    Slot* slot = slotOf(record.target);
    // An entry whose own line was damaged cannot be changed or deleted: it never counted.
    if (!slot || slot->removed)
        return;
    if (record.kind == HourRecord::Kind::Remove) {
        slot->removed = true;
        return;
    }
    m_lastPersonSlot = int(slot - m_slots.data());
    record.entry.budgetNumber = slot->entry.budgetNumber;
    slot->entry = std::move(record.entry);
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
