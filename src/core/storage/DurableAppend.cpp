#include "core/storage/DurableAppend.h"

#include "core/storage/StorageFaults.h"
#include "core/storage/StorageMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace belvane {
namespace {

IoResult failed(const QString& path, const QFile& file)
{
    return IoResult::failure(saveFailureMessage(path, failureReason(path, file.error(), file.errorString())));
}

bool writeWhole(QFile& file, const char* data, qint64 length)
{
    for (qint64 done = 0; done < length;) {
        const qint64 written = file.write(data + done, length - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Until the bytes are on the disk itself, not only handed to the system: an entry the user was
// told is kept must survive a power cut. EINVAL means the file system has nothing to wait for.
IoResult syncToDisk(const QString& path, QFile& file)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return IoResult::failure(
            saveFailureMessage(path, failureReason(path, QFileDevice::WriteError, qt_error_string(errno))));
#else
    if (!file.flush())
        return failed(path, file);
#endif
    return IoResult::success();
}

IoResult writeAndSync(const QString& path, QFile& file, const QByteArray& bytes)
{
    if (StorageFaults::consume(StorageFaults::Kind::FailWrite, path)) {
        writeWhole(file, bytes.constData(), (bytes.size() + 1) / 2);
        return IoResult::failure(saveFailureMessage(path, QStringLiteral("falha simulada de gravação")));
    }
    if (!writeWhole(file, bytes.constData(), bytes.size()))
        return failed(path, file);
    return syncToDisk(path, file);
}

// The new name must itself survive a power cut; a folder that cannot be synced does not undo the
// file, which is already there.
void syncFolder(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(path);
#endif
}

} // namespace

IoResult appendDurably(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly
                   | QIODevice::Unbuffered))
        return failed(path, file);
    return writeAndSync(path, file, bytes);
}

IoResult createDurably(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return IoResult::failure(saveFailureMessage(path, QStringLiteral("a pasta não pôde ser criada")));
    // Made whole under another name first, so no reader ever finds the file half made.
    const QString temporary = info.absoluteFilePath() + u'.'
        + QUuid::createUuid().toString(QUuid::Id128).left(8) + QStringLiteral(".tmp");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return failed(path, file);
    IoResult written = writeAndSync(path, file, bytes);
    file.close();
    // Renaming never replaces a file of that name: one already there stays as it is.
    if (written.ok() && !QFile::rename(temporary, path))
        written =
            IoResult::failure(saveFailureMessage(path, QStringLiteral("já existe um arquivo com esse nome")));
    if (!written.ok()) {
        QFile::remove(temporary);
        return written;
    }
    syncFolder(path);
    return IoResult::success();
}

} // namespace belvane
