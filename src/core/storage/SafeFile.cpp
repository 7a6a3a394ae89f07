#include "core/storage/SafeFile.h"

#include "core/storage/StorageFaults.h"
#include "core/storage/StorageMessages.h"
#include "core/storage/WriteGate.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_LINUX
#include <thread>
#endif

namespace belvane {

namespace {

// What a writer writes into. It passes everything on to the temporary file and insists until
// each write is complete or has failed: a disk that fills up mid-write first accepts part of the
// data without complaint, and only the next attempt tells why it stopped. So a writer sees a
// write either done whole or failed, and the cause is kept for the message. When a test has armed
// a write failure, the first write lets about half of its data through and then the device
// breaks, as a disk filling up in the middle of a save would.
class TemporaryFileDevice final : public QIODevice {
public:
    TemporaryFileDevice(QSaveFile& target, bool breakMidway)
        : m_target(target), m_breakMidway(breakMidway)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool broken() const { return m_broken; }

    qint64 size() const override { return m_target.size(); }
    bool seek(qint64 position) override
    {
        return !m_broken && m_target.seek(position) && QIODevice::seek(position);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        if (m_broken)
            return -1;
        if (m_breakMidway) {
            writeWhole(data, (length + 1) / 2);
            m_broken = true;
            return -1;
        }
        if (!writeWhole(data, length)) {
            m_broken = true;
            setErrorString(m_target.errorString());
            return -1;
        }
        return length;
    }

private:
    bool writeWhole(const char* data, qint64 length)
    {
        for (qint64 done = 0; done < length;) {
            const qint64 written = m_target.write(data + done, length - done);
            if (written <= 0)
                return false;
            done += written;
        }
        return true;
    }

    QSaveFile& m_target;
    bool m_breakMidway;
    bool m_broken = false;
};

QString saveReason(const QSaveFile& file, const QString& path)
{
    const QFileInfo info(path);
    // QSaveFile refuses a read-only target with a text of its own, before any system call.
    if (info.isFile() && !info.isWritable())
        return QStringLiteral("o arquivo é somente leitura");
    return failureReason(path, file.error(), file.errorString());
}

#ifdef Q_OS_UNIX
// Waits until the new contents are on the disk itself, so the replace that follows can never
// leave a name pointing at data that a power cut would lose. EINVAL means the file system has
// nothing to wait for.
bool syncContents(QSaveFile& file, QString* reason)
{
    if (::fsync(file.handle()) == 0 || errno == EINVAL)
        return true;
    *reason = failureReason(file.fileName(), QFileDevice::WriteError, qt_error_string(errno));
    return false;
}
#endif

#ifdef Q_OS_LINUX
// Replacing a file frees the blocks of the one it replaces, and for a large file (the history of
// 65,535 budgets is 25 MB) that takes the file system a fifth of the whole save. Holding the old
// file open across the replace leaves it without a name but whole; closing it afterwards on a
// thread of its own lets the blocks go while the user goes on. A crash in between leaves nothing
// behind: the file system frees a nameless file by itself.
class ReplacedFile {
public:
    explicit ReplacedFile(const QString& path)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        struct stat status {};
        if (fd >= 0 && ::fstat(fd, &status) == 0 && status.st_size >= kLargeBytes) {
            m_fd = fd;
            return;
        }
        if (fd >= 0)
            ::close(fd);
    }
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;
    ~ReplacedFile()
    {
        if (m_fd >= 0)
            std::thread([fd = m_fd] { ::close(fd); }).detach();
    }

private:
    static constexpr qint64 kLargeBytes = 1 << 20;
    int m_fd = -1;
};

// The replace is a change of the folder; it survives a power cut only once the folder itself is
// on disk. By then the new file is already in place, so a folder that cannot be synced is no
// reason to report the save as failed.
void syncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
#endif

IoResult failSave(QSaveFile& file, const QString& path, const QString& reason)
{
    // The temporary file is discarded; the previous file was never touched.
    file.cancelWriting();
    file.commit();
    return IoResult::failure(saveFailureMessage(path, reason));
}

IoResult fillTemporary(QSaveFile& file, const QString& path,
                       const std::function<bool(QIODevice&)>& writer)
{
    const bool armed = StorageFaults::consume(StorageFaults::Kind::FailWrite, path);
    TemporaryFileDevice device(file, armed);
    const bool written = writer(device);
    if (armed)
        return failSave(file, path, QStringLiteral("falha simulada de gravação"));
    // A refused write fails the save even when the writer went on as if nothing happened.
    if (device.broken() || file.error() != QFileDevice::NoError)
        return failSave(file, path, saveReason(file, path));
    if (!written)
        return failSave(file, path, QStringLiteral("a gravação foi interrompida"));
#ifdef Q_OS_UNIX
    QString reason;
    if (!syncContents(file, &reason))
        return failSave(file, path, reason);
#endif
    return IoResult::success();
}

} // namespace

IoResult writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(path, [&bytes](QIODevice& device) {
        return device.write(bytes) == bytes.size();
    });
}

IoResult writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writer)
{
    if (IoResult allowed = WriteGate::check(path); !allowed.ok())
        return allowed;
    QSaveFile file(path);
    // Unbuffered: each write reaches the file system at once, so a full disk is reported to the
    // write that met it, with its cause, instead of surfacing later without one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return IoResult::failure(saveFailureMessage(path, saveReason(file, path)));

    IoResult filled = fillTemporary(file, path, writer);
    if (!filled.ok())
        return filled;

    if (StorageFaults::consume(StorageFaults::Kind::FailCommit, path))
        return failSave(file, path, QStringLiteral("falha simulada ao substituir o arquivo anterior"));
#ifdef Q_OS_LINUX
    const ReplacedFile replaced(path);
#endif
    if (!file.commit())
        return IoResult::failure(saveFailureMessage(path, saveReason(file, path)));

#ifdef Q_OS_LINUX
    syncFolder(path);
#endif
    return IoResult::success();
}

ReadOutcome readWholeFile(const QString& path, qint64 maxBytes)
{
    ReadOutcome outcome;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const bool missing = isMissingFileText(file.errorString()) && !QFileInfo::exists(path);
        outcome.state = missing ? ReadOutcome::State::Missing : ReadOutcome::State::Failed;
        const QString reason = failureReason(path, file.error(), file.errorString());
        outcome.error = readFailureMessage(path, reason);
        return outcome;
    }
    // Asking for the whole allowance would set that much memory aside before reading a byte; a
    // file on disk is read for what it holds (one byte past the allowance still shows it is too big).
    if (maxBytes >= 0 && !file.isSequential())
        maxBytes = std::min(maxBytes, file.size());
    outcome.bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        outcome.bytes.clear();
        const QString reason = failureReason(path, file.error(), file.errorString());
        outcome.error = readFailureMessage(path, reason);
        return outcome;
    }
    outcome.state = ReadOutcome::State::Ok;
    return outcome;
}

IoResult removeFile(const QString& path)
{
    const QFileInfo info(path);
    // A dangling link does not "exist", yet it is something to delete.
    if (!info.exists() && !info.isSymLink())
        return IoResult::success();
    if (IoResult allowed = WriteGate::check(path); !allowed.ok())
        return allowed;
    if (StorageFaults::consume(StorageFaults::Kind::FailRemove, path))
        return IoResult::failure(removeFailureMessage(path, QStringLiteral("falha simulada de exclusão")));
    QFile file(path);
    if (file.remove())
        return IoResult::success();
    const QFileInfo after(path);
    if (!after.exists() && !after.isSymLink())
        return IoResult::success();
    return IoResult::failure(
        removeFailureMessage(path, failureReason(path, file.error(), file.errorString())));
}

} // namespace belvane
