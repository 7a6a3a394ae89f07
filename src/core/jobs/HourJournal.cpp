#include "core/jobs/HourJournal.h"

#include "core/jobs/HourJournalScan.h"
#include "core/storage/DurableAppend.h"
#include "core/storage/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace belvane {
namespace {

QString plainName(const QString& text)
{
    QString name;
    for (const QChar c : text.left(40))
        name += c.isLetterOrNumber() || c == u'-' || c == u'_' ? c : u'_';
    return name.isEmpty() ? QStringLiteral("posto") : name;
}

QString notWritten(const QString& path, const QString& reason)
{
    return QStringLiteral("As horas não foram registradas: o arquivo \"%1\" %2; ele não foi alterado.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString HourJournal::folderIn(const QString& projectsDir)
{
    return QDir(projectsDir).filePath(QStringLiteral("Horas")) + u'/';
}

QString HourJournal::fileNameFor(const QString& user, const QString& machine, const QString& seatId)
{
    return plainName(user) + u'-' + plainName(machine) + u'-' + plainName(seatId) + u'.' + suffix();
}

HourJournal::HourJournal(QString path, QString user, QString machine)
    : m_path(std::move(path)), m_user(std::move(user)), m_machine(std::move(machine))
{
}

HourJournal HourJournal::ofSeat(const QString& projectsDir, const Seat& seat, SeatMemory& memory)
{
    return {folderIn(projectsDir) + fileNameFor(seat.user, seat.machine, memory.seatId()), seat.user,
            seat.machine};
}

QString HourJournal::fileName() const
{
    return QFileInfo(m_path).fileName();
}

HourJournalWrite HourJournal::add(const HourEntry& entry)
{
    return append({HourRecord::Kind::Add, 0, 0, entry});
}

HourJournalWrite HourJournal::change(qint64 entrySequence, const HourEntry& entry)
{
    return append({HourRecord::Kind::Change, 0, entrySequence, entry});
}

HourJournalWrite HourJournal::remove(qint64 entrySequence)
{
    return append({HourRecord::Kind::Remove, 0, entrySequence, {}});
}

HourJournalWrite HourJournal::append(HourRecord record)
{
    if (QString error = catchUp(); !error.isEmpty())
        return {error};
    record.sequence = m_lastSequence + 1;
    if (record.kind != HourRecord::Kind::Add && (record.target < 1 || record.target >= record.sequence))
        return {notWritten(m_path, QStringLiteral("não tem esse lançamento"))};
    // A line a seat switched off in the middle of writing is ended first, marked as cut short.
    const QByteArray line =
        (m_tornTail ? hourjournal::tornLineEnd() : QByteArray()) + hourjournal::recordLine(record);
    if (const IoResult written = appendDurably(m_path, line); !written.ok()) {
        m_size = -1; // part of the line may be there: read the file again before the next record
        return {written.error};
    }
    m_size += line.size();
    m_lastSequence = record.sequence;
    m_tornTail = false;
    return {{}, record.sequence};
}

QString HourJournal::catchUp()
{
    const QFileInfo info(m_path);
    if (!info.exists())
        return create();
    if (info.size() == m_size)
        return {};
    const ReadOutcome read = readWholeFile(m_path);
    if (!read.ok())
        return read.error;
    const HourJournalScan scan = scanHourJournal(read.bytes);
    if (scan.state == HourJournalScan::State::Newer)
        return notWritten(m_path, QStringLiteral("foi gravado por uma versão mais nova do Belvane"));
    if (scan.state != HourJournalScan::State::Ok)
        return notWritten(m_path, QStringLiteral("não é um registro de horas do Belvane"));
    m_size = read.bytes.size();
    m_lastSequence = scan.lastSequence;
    m_tornTail = scan.tornTail;
    return {};
}

QString HourJournal::create()
{
    const HourJournalHeader header{hourjournal::kVersion, QUuid::createUuid().toString(QUuid::WithoutBraces),
                                   m_user, m_machine};
    const QByteArray line = hourjournal::headerLine(header);
    if (const IoResult made = createDurably(m_path, line); !made.ok())
        return made.error;
    m_size = line.size();
    m_lastSequence = 0;
    m_tornTail = false;
    return {};
}

} // namespace belvane
