#pragma once
// What every fuzz target shares: the fuzz bytes as a QByteArray over the fuzzer's own buffer (so
// that the address checker sees any read past the input), a scratch folder for readers that take
// a path, and the check that stops the run when a property of the reader does not hold. A failed
// check aborts, which libFuzzer records as a crash together with the input that caused it.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace belvane::fuzz {

inline QByteArray inputBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

[[noreturn]] inline void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "\nfuzz property broken: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

inline void check(bool holds, const char* what, const QString& detail = {})
{
    if (!holds)
        fail(what, detail);
}

// One folder per fuzzing process, removed at its end; every input reuses the same file names.
// Saves are flushed to disk before they replace a file; in memory (/dev/shm) that costs nothing,
// which keeps the file readers at thousands of inputs a second.
inline const QString& scratchDir()
{
    const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                             : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/belvane-fuzz-XXXXXX"));
    if (!dir.isValid())
        fail("no scratch folder", dir.errorString());
    static const QString path = dir.path() + u'/';
    return path;
}

// Puts the bytes into the scratch folder under `name` and returns the file's path.
inline QString scratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchDir() + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write the scratch file", path);
    return path;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read back a file the program wrote", path);
    return file.readAll();
}

} // namespace belvane::fuzz
