#include "core/storage/SeatMemory.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

namespace belvane {
namespace {

QByteArray digest(const QByteArray& content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex();
}

} // namespace

SeatMemory::SeatMemory(QString file) : m_file(std::move(file))
{
    QFile note(m_file);
    if (m_file.isEmpty() || !note.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : note.read(4096).split('\n')) {
        const QByteArray key = line.left(line.indexOf('='));
        const QByteArray value = line.mid(line.indexOf('=') + 1);
        if (key == "posto")
            m_seatId = QString::fromUtf8(value);
        else if (key == "sessao")
            m_lastSession = QString::fromUtf8(value);
        else if (key == "visto")
            m_seen = value;
        else if (key == "visto_desde")
            m_seenSince = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODate);
    }
}

QString SeatMemory::fileFor(const QString& dataDir, const QString& machine)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return {};
    const QByteArray key = (QDir(dataDir).absolutePath() + u'\n' + machine).toUtf8();
    return config + QStringLiteral("/belvane/postos/") + QString::fromLatin1(digest(key)) + QStringLiteral(".txt");
}

QString SeatMemory::seatId()
{
    if (!m_seatId.isEmpty())
        return m_seatId;
    // The folder's lock keeps its own memory of the same note: write the note as it is now.
    const SeatMemory latest(m_file);
    m_lastSession = latest.m_lastSession;
    m_seen = latest.m_seen;
    m_seenSince = latest.m_seenSince;
    m_seatId = latest.m_seatId;
    if (m_seatId.isEmpty()) {
        m_seatId = QUuid::createUuid().toString(QUuid::Id128).left(12);
        save();
    }
    return m_seatId;
}

void SeatMemory::setLastSession(const QString& session)
{
    if (m_lastSession == session)
        return;
    m_lastSession = session;
    save();
}

QDateTime SeatMemory::seenUnchangedSince(const QByteArray& content, const QDateTime& now)
{
    const QByteArray seen = digest(content);
    if (seen != m_seen || !m_seenSince.isValid() || m_seenSince > now) {
        m_seen = seen;
        m_seenSince = now;
        save();
    }
    return m_seenSince;
}

void SeatMemory::save() const
{
    if (m_file.isEmpty())
        return;
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    // The id another memory of this note made since this one read it is kept.
    const QString seatId = m_seatId.isEmpty() ? SeatMemory(m_file).m_seatId : m_seatId;
    const QByteArray text = "posto=" + seatId.toUtf8() + "\nsessao=" + m_lastSession.toUtf8() + "\nvisto="
                            + m_seen + "\nvisto_desde=" + m_seenSince.toUTC().toString(Qt::ISODate).toLatin1() + '\n';
    // A note that cannot be kept only means a longer wait before an abandoned lock is offered.
    QSaveFile file(m_file);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size())
        file.commit();
}

} // namespace belvane
