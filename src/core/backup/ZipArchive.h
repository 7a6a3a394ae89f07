#pragma once
// The ZIP archive, in the plain form every system opens without extra software: each file stored
// as it is (no compression), checked by its CRC-32, names in UTF-8, folders as entries ending
// in '/'. The program's data are small, so an archive is built and read whole in memory.
//
// Reading accepts only what such an archive holds: stored entries, no encryption, no multi-volume
// or ZIP64 archive. Everything else — a damaged file, a compressed or foreign archive, a file that
// is no archive at all — is refused with a short Portuguese reason, before anything is used.
#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>

#include <vector>

namespace belvane {

struct ZipEntry {
    QString name;          // '/'-separated, relative; a folder's name ends with '/'
    QByteArray data;       // empty for a folder
    QDateTime modified;    // kept with a precision of two seconds, as ZIP does

    bool isFolder() const { return name.endsWith(u'/'); }
};

// CRC-32 as ZIP, PNG and Ethernet compute it.
quint32 zipCrc32(const QByteArray& bytes);

// Writes the archive; false when the device refused a write.
bool writeZip(QIODevice& device, const std::vector<ZipEntry>& entries);

struct ZipRead {
    std::vector<ZipEntry> entries;  // in the archive's order
    QString problem;                // empty when read; otherwise why not, in Portuguese
    bool ok() const { return problem.isEmpty(); }
};

ZipRead readZip(const QByteArray& archive);

} // namespace belvane
