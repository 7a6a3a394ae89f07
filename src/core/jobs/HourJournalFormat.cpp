#include "core/jobs/HourJournalFormat.h"

#include <array>
#include <cstdint>

namespace belvane::hourjournal {
namespace {

constexpr QByteArrayView kMagic("Belvane horas");
constexpr QByteArrayView kAdd("nova");
constexpr QByteArrayView kChange("altera");
constexpr QByteArrayView kRemove("exclui");
constexpr QByteArrayView kTornMark("\t~cortada");
constexpr int kMaxFields = 9;

using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

// The byte-at-a-time table and seven more derived from it, so that eight bytes are taken per step
// ("slicing by eight"): reading an office's journals is mostly checking their lines.
CrcTables crcTables()
{
    CrcTables t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (std::size_t k = 1; k < 8; ++k) {
        for (std::size_t n = 0; n < 256; ++n)
            t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
    }
    return t;
}

// CRC-32 as zip and PNG compute it.
std::uint32_t crc32(QByteArrayView bytes)
{
    static const CrcTables t = crcTables();
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    qsizetype left = bytes.size();
    std::uint32_t c = 0xFFFFFFFFu;
    for (; left >= 8; left -= 8, p += 8) {
        const std::uint32_t low = c
            ^ (std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
               | std::uint32_t(p[3]) << 24);
        c = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24]
            ^ t[3][p[4]] ^ t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
    }
    for (; left > 0; --left, ++p)
        c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray checksumText(QByteArrayView bytes)
{
    return QByteArray::number(crc32(bytes), 16).rightJustified(8, '0');
}

// Eight lower-case hexadecimal digits.
bool readChecksum(QByteArrayView text, std::uint32_t& sum)
{
    if (text.size() != 8)
        return false;
    sum = 0;
    for (const char c : text) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return false;
        sum = sum << 4 | std::uint32_t(digit);
    }
    return true;
}

QByteArray withChecksum(QByteArray line)
{
    line += '\t' + checksumText(line) + '\n';
    return line;
}

QByteArray escaped(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains('\\') && !bytes.contains('\t') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    QByteArray out;
    out.reserve(bytes.size() + 8);
    for (const char c : std::as_const(bytes)) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescaped(QByteArrayView field)
{
    if (!field.contains('\\'))
        return QString::fromUtf8(field);
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '\\' && i + 1 < field.size()) {
            const char next = field[++i];
            c = next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        }
        out += c;
    }
    return QString::fromUtf8(out);
}

// The few names a journal repeats on nearly every line (its person, the job's tasks): the text of
// the last ones read is shared, not decoded and stored again for each entry. One per thread, as
// journals are read side by side.
class RecentTexts {
public:
    QString text(QByteArrayView field)
    {
        for (const Kept& kept : m_kept) {
            if (kept.bytes == field)
                return kept.text;
        }
        QString decoded = unescaped(field);
        m_kept[m_next] = {field.toByteArray(), decoded};
        m_next = (m_next + 1) % m_kept.size();
        return decoded;
    }

private:
    struct Kept {
        QByteArray bytes;
        QString text;
    };
    std::array<Kept, 16> m_kept;
    std::size_t m_next = 0;
};

thread_local RecentTexts t_recentTexts;

// The fields of a line split at its tabs; false when there are more than `fields` can hold.
struct Fields {
    std::array<QByteArrayView, kMaxFields> at;
    int count = 0;
};

bool split(QByteArrayView line, Fields& fields)
{
    qsizetype start = 0;
    for (;;) {
        if (fields.count == kMaxFields)
            return false;
        const qsizetype tab = line.indexOf('\t', start);
        fields.at[std::size_t(fields.count++)] = line.sliced(start, (tab < 0 ? line.size() : tab) - start);
        if (tab < 0)
            return true;
        start = tab + 1;
    }
}

// A whole number of 1 to 18 plain digits.
bool readNumber(QByteArrayView text, qint64& value)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool readDate(QByteArrayView text, QDate& date)
{
    qint64 year = 0, month = 0, day = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !readNumber(text.first(4), year)
        || !readNumber(text.sliced(5, 2), month) || !readNumber(text.sliced(8, 2), day))
        return false;
    date = QDate(int(year), int(month), int(day));
    return date.isValid();
}

QByteArray dateText(const QDate& date)
{
    return date.toString(Qt::ISODate).toLatin1();
}

bool checksumHolds(QByteArrayView line, const Fields& fields)
{
    std::uint32_t sum = 0;
    return readChecksum(fields.at[std::size_t(fields.count - 1)], sum)
        && sum == crc32(line.first(line.size() - 9));
}

bool readEntryFields(const Fields& f, HourRecord& record)
{
    qint64 quarters = 0;
    if (!readDate(f.at[3], record.entry.date) || !readNumber(f.at[6], quarters) || quarters < 1
        || quarters > kMaxQuarters)
        return false;
    record.entry.person = t_recentTexts.text(f.at[4]);
    record.entry.task = t_recentTexts.text(f.at[5]);
    record.entry.quarters = int(quarters);
    record.entry.note = unescaped(f.at[7]);
    return true;
}

bool readFields(const Fields& f, HourRecord& record)
{
    qint64 second = 0;
    if (!readNumber(f.at[1], record.sequence) || record.sequence < 1 || !readNumber(f.at[2], second))
        return false;
    const QByteArrayView kind = f.at[0];
    if (kind == kRemove) {
        record.kind = HourRecord::Kind::Remove;
        record.target = second;
        return f.count == 4 && second >= 1 && second < record.sequence;
    }
    if (f.count != 9)
        return false;
    if (kind == kAdd) {
        record.kind = HourRecord::Kind::Add;
        record.entry.budgetNumber = qint32(second);
        return second >= 1 && second <= 0x7FFFFFFF && readEntryFields(f, record);
    }
    record.kind = HourRecord::Kind::Change;
    record.target = second;
    return kind == kChange && second >= 1 && second < record.sequence && readEntryFields(f, record);
}

} // namespace

QByteArray headerLine(const HourJournalHeader& header)
{
    return withChecksum(kMagic.toByteArray() + '\t' + QByteArray::number(header.version) + '\t'
                        + escaped(header.token) + '\t' + escaped(header.user) + '\t'
                        + escaped(header.machine));
}

QByteArray recordLine(const HourRecord& record)
{
    const QByteArray seq = QByteArray::number(record.sequence);
    if (record.kind == HourRecord::Kind::Remove)
        return withChecksum(kRemove.toByteArray() + '\t' + seq + '\t' + QByteArray::number(record.target));
    const HourEntry& e = record.entry;
    const bool add = record.kind == HourRecord::Kind::Add;
    QByteArray line = (add ? kAdd : kChange).toByteArray() + '\t' + seq + '\t'
        + QByteArray::number(add ? qint64(e.budgetNumber) : record.target) + '\t';
    line += dateText(e.date) + '\t' + escaped(e.person) + '\t' + escaped(e.task) + '\t'
        + QByteArray::number(e.quarters) + '\t' + escaped(e.note);
    return withChecksum(line);
}

QByteArray tornLineEnd()
{
    return kTornMark.toByteArray() + '\n';
}

HeaderRead readHeader(QByteArrayView line, HourJournalHeader& header)
{
    Fields f;
    qint64 version = 0;
    if (!split(line, f) || f.count < 2 || f.at[0] != kMagic || !readNumber(f.at[1], version))
        return HeaderRead::NotAJournal;
    // A later program may word its header otherwise; its version alone is enough to leave it be.
    if (version > kVersion)
        return HeaderRead::Newer;
    if (version != kVersion || f.count != 6 || !checksumHolds(line, f) || f.at[2].isEmpty())
        return HeaderRead::NotAJournal;
    header = {int(version), unescaped(f.at[2]), unescaped(f.at[3]), unescaped(f.at[4])};
    return HeaderRead::Ok;
}

LineRead readRecord(QByteArrayView line, HourRecord& record)
{
    if (line.endsWith(kTornMark))
        return LineRead::Torn;
    Fields f;
    if (!split(line, f) || f.count < 4 || !checksumHolds(line, f))
        return LineRead::Damaged;
    record = {};
    return readFields(f, record) ? LineRead::Ok : LineRead::Damaged;
}

} // namespace belvane::hourjournal
