#include "core/storage/FolderLock.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QSysInfo>

namespace belvane {
namespace {

QByteArray lockText(const QString& user, const QString& machine, const QDateTime& since, const QDateTime& renewed)
{
    const QStringList lines{QStringLiteral("usuario=") + user, QStringLiteral("maquina=") + machine,
                            QStringLiteral("desde=") + since.toString(Qt::ISODate),
                            QStringLiteral("renovado=") + renewed.toString(Qt::ISODate)};
    return lines.join(u'\n').toUtf8() + '\n';
}

} // namespace

Seat Seat::current()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    // A lock must name someone: one that names nobody counts as left behind.
    if (user.isEmpty())
        user = QStringLiteral("usuário");
    return {user, QSysInfo::machineHostName()};
}

FolderLock::FolderLock(const QString& dataDir, const QString& user, const QString& machine)
    : m_path(QDir(dataDir).filePath(fileName())), m_user(user), m_machine(machine)
{
}

bool FolderLock::readHolder()
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_holder = {};
    const QStringList lines = QString::fromUtf8(file.read(4096)).split(u'\n');
    for (const QString& line : lines) {
        const QString key = line.section(u'=', 0, 0);
        const QString value = line.section(u'=', 1);
        if (key == u"usuario")
            m_holder.user = value;
        else if (key == u"maquina")
            m_holder.machine = value;
        else if (key == u"desde")
            m_holder.since = QDateTime::fromString(value, Qt::ISODate);
        else if (key == u"renovado")
            m_holder.renewed = QDateTime::fromString(value, Qt::ISODate);
    }
    return true;
}

bool FolderLock::namesThisSeat() const
{
    return m_holder.user == m_user && m_holder.machine == m_machine;
}

bool FolderLock::write(const QDateTime& since, const QDateTime& now, bool mustBeNew)
{
    const QByteArray text = lockText(m_user, m_machine, since, now);
    if (mustBeNew) {
        // Created only if absent: of two seats starting at once, one wins.
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return false;
        return file.write(text) == text.size() && file.flush();
    }
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

LockState FolderLock::acquire(const QDateTime& now)
{
    m_held = false;
    if (write(now, now, true)) {
        m_since = now;
        m_holder = {m_user, m_machine, now, now};
        m_held = true;
        return LockState::Acquired;
    }
    if (!QFile::exists(m_path))
        return LockState::Failed;
    // A lock file that cannot be read or names nobody is as good as stale.
    if (!readHolder() || m_holder.user.isEmpty())
        return LockState::Stale;
    if (namesThisSeat())
        return takeOver(now) ? LockState::Acquired : LockState::Failed;
    if (!m_holder.renewed.isValid() || m_holder.renewed.secsTo(now) > kStaleAfterMinutes * 60)
        return LockState::Stale;
    return LockState::HeldByOther;
}

bool FolderLock::takeOver(const QDateTime& now)
{
    if (!write(now, now, false))
        return false;
    m_since = now;
    m_holder = {m_user, m_machine, now, now};
    m_held = true;
    return true;
}

bool FolderLock::renew(const QDateTime& now)
{
    if (!m_held)
        return false;
    // Another seat took the lock over while this one was away: it writes now.
    if (!readHolder() || !namesThisSeat()) {
        m_held = false;
        return false;
    }
    return write(m_since, now, false);
}

void FolderLock::release()
{
    if (m_held && readHolder() && namesThisSeat())
        QFile::remove(m_path);
    m_held = false;
}

} // namespace belvane
