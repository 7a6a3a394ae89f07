#include "core/storage/FolderLock.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QSysInfo>
#include <QThread>
#include <QUuid>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace belvane {
namespace {

// A lock being written by a seat that starts at this very moment may read empty for an instant
// where the folder cannot create a file with its content in one step; a network folder may fail
// a read once. A few looks a little apart settle both.
constexpr int kReadAttempts = 3;
constexpr int kReadPauseMs = 40;

// A time as people read it, in the writer's own zone with its offset from UTC, so a reader in
// another zone knows the instant exactly.
QString stamp(const QDateTime& moment)
{
    return moment.toOffsetFromUtc(moment.offsetFromUtc()).toString(Qt::ISODate);
}

} // namespace

Seat Seat::current()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    // A lock must name someone.
    if (user.isEmpty())
        user = QStringLiteral("usuário");
    static const QString session = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return {user, QSysInfo::machineHostName(), session};
}

FolderLock::FolderLock(const QString& dataDir, Seat seat, const QString& memoryFile)
    : m_dataDir(dataDir), m_path(QDir(dataDir).filePath(fileName())), m_seat(std::move(seat)),
      m_memory(memoryFile)
{
}

QByteArray FolderLock::text(const QDateTime& now) const
{
    const QStringList lines{QStringLiteral("usuario=") + m_seat.user,
                            QStringLiteral("maquina=") + m_seat.machine,
                            QStringLiteral("sessao=") + m_seat.session,
                            QStringLiteral("desde=") + stamp(m_since.isValid() ? m_since : now),
                            QStringLiteral("renovado=") + stamp(now),
                            QStringLiteral("renovacoes=") + QString::number(m_renewals)};
    return lines.join(u'\n').toUtf8() + '\n';
}

FolderLock::Read FolderLock::readHolder()
{
    for (int attempt = 1;; ++attempt) {
        QFile file(m_path);
        const bool opened = file.open(QIODevice::ReadOnly);
        if (!opened && !file.exists())
            return Read::Missing;
        const QByteArray content = opened ? file.read(4096) : QByteArray();
        const bool complete = opened && file.error() == QFileDevice::NoError && content.endsWith('\n');
        if (complete || attempt == kReadAttempts) {
            if (!opened)
                return Read::Failed;
            m_content = content;
            m_holder = {};
            for (const QString& line : QString::fromUtf8(content).split(u'\n')) {
                const QString key = line.section(u'=', 0, 0);
                const QString value = line.section(u'=', 1);
                if (key == u"usuario")
                    m_holder.user = value;
                else if (key == u"maquina")
                    m_holder.machine = value;
                else if (key == u"sessao")
                    m_holder.session = value;
                else if (key == u"desde")
                    m_holder.since = QDateTime::fromString(value, Qt::ISODate);
                else if (key == u"renovado")
                    m_holder.renewed = QDateTime::fromString(value, Qt::ISODate);
                else if (key == u"renovacoes")
                    m_holder.renewals = value.toLongLong();
            }
            return Read::Ok;
        }
        QThread::msleep(kReadPauseMs);
    }
}

bool FolderLock::createWithContent(const QDateTime& now)
{
    if (!m_since.isValid())
        m_since = now;
    const QByteArray content = text(now);
#ifdef Q_OS_UNIX
    // Written whole under a name of its own, then linked in under the lock's name, which fails if
    // a lock is there: a seat starting at the same instant sees no lock or a whole one.
    const QString draft = m_path + QStringLiteral(".") + m_seat.session;
    QFile file(draft);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size()
        && file.flush()) {
        ::fsync(file.handle());
        file.close();
        const int linked = ::link(QFile::encodeName(draft).constData(), QFile::encodeName(m_path).constData());
        const int cause = errno;
        QFile::remove(draft);
        if (linked == 0)
            return true;
        // A folder without links (some network shares) falls back to creating the file.
        if (cause != EPERM && cause != ENOTSUP && cause != EOPNOTSUPP && cause != ENOSYS)
            return false;
    } else {
        file.remove();
    }
#endif
    QFile lock(m_path);
    if (!lock.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    return lock.write(content) == content.size() && lock.flush();
}

bool FolderLock::replace(const QDateTime& now)
{
    const QByteArray content = text(now);
    QSaveFile file(m_path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

bool FolderLock::leftByThisSeat() const
{
    return !m_holder.session.isEmpty() && m_holder.session == m_memory.lastSession()
           && m_holder.user == m_seat.user && m_holder.machine == m_seat.machine;
}

bool FolderLock::staleByWatch(const QDateTime& now)
{
    const QDateTime since = m_memory.seenUnchangedSince(m_content, now);
    return since.secsTo(now) >= qint64(kStaleAfterMinutes) * 60;
}

LockState FolderLock::acquire(const QDateTime& now)
{
    m_held = false;
    m_since = now;
    m_renewals = 0;
    // An installed program's first start: the data folder is made here, or no lock could be.
    QDir().mkpath(m_dataDir);
    if (createWithContent(now)) {
        m_holder = {m_seat.user, m_seat.machine, m_seat.session, now, now, 0};
        m_held = true;
        m_memory.setLastSession(m_seat.session);
        return LockState::Acquired;
    }
    const Read read = readHolder();
    if (read == Read::Missing)
        return LockState::Failed;
    if (read == Read::Failed)
        m_content.clear();
    m_judged.reset();
    if (read == Read::Ok && leftByThisSeat()) {
        m_judged = m_content;
        return takeOver(now) ? LockState::Acquired : LockState::HeldByOther;
    }
    if (staleByWatch(now)) {
        m_judged = m_content;
        return LockState::Stale;
    }
    return LockState::HeldByOther;
}

bool FolderLock::takeOver(const QDateTime& now)
{
    // The question may have stayed open for minutes: only the lock judged stale is replaced.
    if (!m_judged)
        return false;
    const Read read = readHolder();
    if (read == Read::Failed || (read == Read::Ok && m_content != *m_judged))
        return false;
    m_since = now;
    m_renewals = 0;
    const bool written = read == Read::Missing ? createWithContent(now) : replace(now);
    if (!written || readHolder() != Read::Ok || !namesThisSession())
        return false;
    m_held = true;
    m_afterUncleanClose = true;
    m_memory.setLastSession(m_seat.session);
    return true;
}

LockCheck FolderLock::check(const QDateTime& now)
{
    if (!m_held)
        return LockCheck::Lost;
    Read read = readHolder();
    // Someone removed the lock: this seat still writes, and says so again.
    if (read == Read::Missing) {
        if (createWithContent(now))
            return LockCheck::Held;
        read = readHolder();
    }
    if (read != Read::Ok)
        return LockCheck::Unsure;
    if (!namesThisSession()) {
        m_held = false;
        return LockCheck::Lost;
    }
    return LockCheck::Held;
}

LockCheck FolderLock::renew(const QDateTime& now)
{
    const LockCheck checked = check(now);
    if (checked != LockCheck::Held)
        return checked;
    ++m_renewals;
    // A renewal that could not be written is tried again at the next one.
    return replace(now) ? LockCheck::Held : LockCheck::Unsure;
}

bool FolderLock::watchIsStale(const QDateTime& now)
{
    const Read read = readHolder();
    if (read == Read::Missing)
        return false;
    if (read == Read::Failed)
        m_content.clear();
    return staleByWatch(now);
}

void FolderLock::release()
{
    if (m_held && readHolder() == Read::Ok && namesThisSession()) {
        QFile::remove(m_path);
        m_memory.setLastSession({});
    }
    m_held = false;
}

} // namespace belvane
