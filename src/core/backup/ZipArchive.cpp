#include "core/backup/ZipArchive.h"

#include <QtEndian>

#include <array>
#include <limits>

namespace belvane {
namespace {

constexpr quint32 kLocalSignature = 0x04034b50;
constexpr quint32 kCentralSignature = 0x02014b50;
constexpr quint32 kEndSignature = 0x06054b50;
constexpr int kLocalHeaderSize = 30;
constexpr int kCentralHeaderSize = 46;
constexpr int kEndRecordSize = 22;
constexpr quint16 kVersion = 20;            // 2.0: folders and stored files
constexpr quint16 kMadeByUnix = 0x0300 | kVersion;
constexpr quint16 kUtf8Names = 1u << 11;
constexpr quint16 kEncrypted = 1u << 0;
constexpr quint16 kStored = 0;
constexpr quint32 kUnixFile = 0100644u << 16;
constexpr quint32 kUnixFolder = (040755u << 16) | 0x10u;  // 0x10: the DOS folder attribute

std::array<quint32, 256> makeCrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

class Writer {
public:
    void u16(quint16 v) { char b[2]; qToLittleEndian(v, b); m_bytes.append(b, 2); }
    void u32(quint32 v) { char b[4]; qToLittleEndian(v, b); m_bytes.append(b, 4); }
    void bytes(const QByteArray& b) { m_bytes.append(b); }
    const QByteArray& data() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// ZIP keeps local time in the MS-DOS layout; years before 1980 cannot be told.
void dosDateTime(const QDateTime& moment, quint16& time, quint16& date)
{
    const QDateTime local = moment.isValid() ? moment.toLocalTime() : QDateTime(QDate(1980, 1, 1), QTime(0, 0));
    const QDate d = local.date().year() < 1980 ? QDate(1980, 1, 1) : local.date();
    const QTime t = local.time();
    time = quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
    date = quint16(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
}

QDateTime fromDos(quint16 time, quint16 date)
{
    const QDate d(1980 + (date >> 9), (date >> 5) & 0x0f, date & 0x1f);
    const QTime t((time >> 11) & 0x1f, (time >> 5) & 0x3f, (time & 0x1f) * 2);
    return QDateTime(d, t);
}

struct Header {
    quint16 flags = 0, method = 0, time = 0, date = 0;
    quint32 crc = 0, compressedSize = 0, size = 0;
    QByteArray name;
};

void putCommon(Writer& out, const Header& h)
{
    out.u16(kVersion);
    out.u16(h.flags);
    out.u16(h.method);
    out.u16(h.time);
    out.u16(h.date);
    out.u32(h.crc);
    out.u32(h.compressedSize);
    out.u32(h.size);
    out.u16(quint16(h.name.size()));
    out.u16(0);  // no extra field
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    bool has(qint64 at, qint64 length) const { return at >= 0 && length >= 0 && at + length <= m_bytes.size(); }
    quint16 u16(qint64 at) const { return qFromLittleEndian<quint16>(m_bytes.constData() + at); }
    quint32 u32(qint64 at) const { return qFromLittleEndian<quint32>(m_bytes.constData() + at); }
    QByteArray slice(qint64 at, qint64 length) const { return m_bytes.mid(at, length); }
    qint64 size() const { return m_bytes.size(); }

private:
    const QByteArray& m_bytes;
};

// The end record is the last thing in the archive, followed only by its comment.
qint64 findEndRecord(const Reader& in)
{
    const qint64 earliest = std::max<qint64>(0, in.size() - kEndRecordSize - 0xffff);
    for (qint64 at = in.size() - kEndRecordSize; at >= earliest; --at) {
        if (in.u32(at) == kEndSignature && at + kEndRecordSize + in.u16(at + 20) == in.size())
            return at;
    }
    return -1;
}

QString entryProblem(const Reader& in, qint64 central, ZipEntry& entry, qint64& next)
{
    if (!in.has(central, kCentralHeaderSize) || in.u32(central) != kCentralSignature)
        return QStringLiteral("o índice do arquivo está danificado");
    Header h;
    h.flags = in.u16(central + 8);
    h.method = in.u16(central + 10);
    h.time = in.u16(central + 12);
    h.date = in.u16(central + 14);
    h.crc = in.u32(central + 16);
    h.compressedSize = in.u32(central + 20);
    h.size = in.u32(central + 24);
    const qint64 nameLength = in.u16(central + 28);
    const qint64 skip = qint64(in.u16(central + 30)) + in.u16(central + 32);
    const qint64 local = in.u32(central + 42);
    if (!in.has(central + kCentralHeaderSize, nameLength + skip))
        return QStringLiteral("o índice do arquivo está danificado");
    h.name = in.slice(central + kCentralHeaderSize, nameLength);
    next = central + kCentralHeaderSize + nameLength + skip;
    entry.name = (h.flags & kUtf8Names) ? QString::fromUtf8(h.name) : QString::fromLatin1(h.name);
    if (h.flags & kEncrypted)
        return QStringLiteral("\"%1\" está protegido por senha").arg(entry.name);
    if (h.method != kStored || h.compressedSize != h.size)
        return QStringLiteral("\"%1\" está compactado de uma forma que o programa não lê").arg(entry.name);
    if (!in.has(local, kLocalHeaderSize) || in.u32(local) != kLocalSignature || in.u16(local + 26) != nameLength
        || in.slice(local + kLocalHeaderSize, nameLength) != h.name)
        return QStringLiteral("o conteúdo de \"%1\" não foi encontrado").arg(entry.name);
    const qint64 dataStart = local + kLocalHeaderSize + nameLength + in.u16(local + 28);
    if (!in.has(dataStart, h.size))
        return QStringLiteral("\"%1\" está incompleto").arg(entry.name);
    entry.data = in.slice(dataStart, h.size);
    if (zipCrc32(entry.data) != h.crc)
        return QStringLiteral("\"%1\" está danificado (a soma de verificação não confere)").arg(entry.name);
    if (entry.isFolder() && !entry.data.isEmpty())
        return QStringLiteral("a pasta \"%1\" tem conteúdo").arg(entry.name);
    entry.modified = fromDos(h.time, h.date);
    return {};
}

} // namespace

quint32 zipCrc32(const QByteArray& bytes)
{
    static const std::array<quint32, 256> table = makeCrcTable();
    quint32 c = 0xffffffffu;
    for (const char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xffu] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

bool writeZip(QIODevice& device, const std::vector<ZipEntry>& entries)
{
    Writer body;
    Writer index;
    for (const ZipEntry& entry : entries) {
        if (entry.data.size() > std::numeric_limits<qint32>::max() - body.data().size())
            return false;
        Header h;
        h.flags = kUtf8Names;
        h.method = kStored;
        dosDateTime(entry.modified, h.time, h.date);
        h.crc = zipCrc32(entry.data);
        h.compressedSize = h.size = quint32(entry.data.size());
        h.name = entry.name.toUtf8();
        const quint32 offset = quint32(body.data().size());
        body.u32(kLocalSignature);
        putCommon(body, h);
        body.bytes(h.name);
        body.bytes(entry.data);

        index.u32(kCentralSignature);
        index.u16(kMadeByUnix);
        putCommon(index, h);
        index.u16(0);  // comment length
        index.u16(0);  // disk number
        index.u16(0);  // internal attributes
        index.u32(entry.isFolder() ? kUnixFolder : kUnixFile);
        index.u32(offset);
        index.bytes(h.name);
    }
    if (entries.size() > 0xffff)
        return false;
    Writer end;
    end.u32(kEndSignature);
    end.u16(0);
    end.u16(0);
    end.u16(quint16(entries.size()));
    end.u16(quint16(entries.size()));
    end.u32(quint32(index.data().size()));
    end.u32(quint32(body.data().size()));
    end.u16(0);
    for (const QByteArray* part : {&body.data(), &index.data(), &end.data()}) {
        if (device.write(*part) != part->size())
            return false;
    }
    return true;
}

ZipRead readZip(const QByteArray& archive)
{
    ZipRead result;
    const Reader in(archive);
    const qint64 end = in.size() >= kEndRecordSize ? findEndRecord(in) : -1;
    if (end < 0) {
        result.problem = QStringLiteral("não é um arquivo ZIP");
        return result;
    }
    const int count = in.u16(end + 10);
    const qint64 indexSize = in.u32(end + 12);
    qint64 at = in.u32(end + 16);
    if (in.u16(end + 4) != 0 || in.u16(end + 6) != 0 || in.u16(end + 8) != count || count == 0xffff
        || in.u32(end + 16) == 0xffffffffu) {
        result.problem = QStringLiteral("é um ZIP em várias partes ou grande demais, que o programa não lê");
        return result;
    }
    if (at + indexSize > end) {
        result.problem = QStringLiteral("o índice do arquivo está danificado");
        return result;
    }
    for (int i = 0; i < count; ++i) {
        ZipEntry entry;
        result.problem = entryProblem(in, at, entry, at);
        if (!result.ok()) {
            result.entries.clear();
            return result;
        }
        result.entries.push_back(std::move(entry));
    }
    return result;
}

} // namespace belvane
