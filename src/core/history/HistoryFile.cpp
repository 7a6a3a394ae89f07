#include "core/history/HistoryFile.h"

#include "core/history/HistoryTable.h"
#include "core/storage/SafeFile.h"

#include <QBuffer>
#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace belvane {

namespace {

bool needsEncoding(char16_t c)
{
    // All four lie at or below ',': most characters are told apart by one comparison.
    return c <= u',' && (c == u',' || c == u'"' || c == u'\r' || c == u'\n');
}

// The first character that needs encoding, looking at four characters at a time: a group with
// no character at or below ',' (the test below flags those, blanks among them) is passed in one
// step; only a flagged group is looked at character by character.
const char16_t* firstNeedingEncoding(const char16_t* begin, const char16_t* end)
{
    constexpr std::uint64_t kLowestAbove = 0x002D002D002D002DULL;  // ',' + 1 in each unit
    constexpr std::uint64_t kHighBits = 0x8000800080008000ULL;
    const char16_t* unit = begin;
    for (; end - unit >= 4; unit += 4) {
        std::uint64_t group;
        std::memcpy(&group, unit, sizeof group);
        if (((group - kLowestAbove) & ~group & kHighBits) == 0)
            continue;
        for (int k = 0; k < 4; ++k) {
            if (needsEncoding(unit[k]))
                return unit + k;
        }
    }
    return std::find_if(unit, end, needsEncoding);
}

void appendUnits(std::u16string& out, const char16_t* begin, const char16_t* end)
{
    out.append(begin, std::size_t(end - begin));
}

// A cell as the file holds it. Nearly every text goes in unchanged. A text with a comma or a
// quotation mark is enclosed in quotation marks, with each of its own marks doubled. A line break
// becomes one "|": the CR of a CR LF is written as "|" and its LF left out; a lone LF (text pasted
// from elsewhere) is also written as "|", so that no line break is lost and the lines do not run
// together.
void appendCell(std::u16string& out, QStringView text)
{
    const char16_t* begin = text.utf16();
    const char16_t* const end = begin + text.size();
    const char16_t* special = firstNeedingEncoding(begin, end);
    if (special == end) {
        appendUnits(out, begin, end);
        return;
    }
    const bool quoted = text.contains(u',') || text.contains(u'"');
    if (quoted)
        out += u'"';
    for (const char16_t* run = begin; run != end;) {
        special = firstNeedingEncoding(run, end);
        appendUnits(out, run, special);
        if (special != end) {
            const char16_t c = *special;
            const bool afterCr = special != begin && special[-1] == u'\r';
            if (c == u'"')
                out += u"\"\"";
            else if (c == u'\r' || (c == u'\n' && !afterCr))
                out += u'|';
            else if (c == u',')
                out += u',';
            ++special;
        }
        run = special;
    }
    if (quoted)
        out += u'"';
}

// Streams the rows into the device as the file's bytes, in chunks. A row whose line is kept from
// the last write goes in as it is; any other is encoded and its line kept.
class HistoryTextWriter {
public:
    HistoryTextWriter(QIODevice& device, int rows) : m_device(device)
    {
        m_chunk.reserve(std::min<qsizetype>(kChunkBytes, qsizetype(rows) * 512) + 8192);
    }

    bool writeMark() { return write(QByteArray("\xFF\xFE", 2)); }

    const QByteArray& keepLine(const HistoryTable& table, int row)
    {
        const HistoryRow& cells = table.row(row);
        if (cells.fileLine().isEmpty())
            cells.keepFileLine(encoded(table, row));
        return cells.fileLine();
    }

    bool writeRow(const HistoryTable& table, int row)
    {
        m_chunk.append(keepLine(table, row));
        return m_chunk.size() < kChunkBytes || flush();
    }

    bool flush()
    {
        if (m_chunk.isEmpty())
            return true;
        const bool written = write(m_chunk);
        m_chunk.resize(0);
        return written;
    }

private:
    // Rows are gathered into chunks of about a megabyte before they go to the device.
    static constexpr qsizetype kChunkBytes = 1 << 20;
    // Distinct values kept per column; a history has few distinct dates, areas and negotiated
    // values, and formatting them costs more than looking them up.
    static constexpr qsizetype kCachedValues = 8192;

    bool write(const QByteArray& bytes) { return m_device.write(bytes) == bytes.size(); }

    // The row's line, CR LF included, in UTF-16 little-endian.
    QByteArray encoded(const HistoryTable& table, int row)
    {
        m_text.clear();
        for (int column = 0; column < kHistoryColumnCount; ++column) {
            if (column > 0)
                m_text += u',';
            if (HistoryRow::holdsText(column))
                appendCell(m_text, table.textView(row, column));
            else
                appendCell(m_text, formatted(table, row, column));
        }
        m_text += u"\r\n";
        const auto units = static_cast<qsizetype>(m_text.size());
        QByteArray line(units * 2, Qt::Uninitialized);
        qToLittleEndian<quint16>(m_text.data(), units, line.data());
        return line;
    }

    const QString& formatted(const HistoryTable& table, int row, int column)
    {
        const double value = table.value(row, column);
        QHash<quint64, QString>& cache = m_cache[static_cast<std::size_t>(column)];
        const auto key = std::bit_cast<quint64>(value);
        auto found = cache.constFind(key);
        if (found != cache.constEnd())
            return *found;
        if (cache.size() >= kCachedValues)
            cache.clear();
        return *cache.insert(key, table.text(row, column));
    }

    QIODevice& m_device;
    std::u16string m_text;
    QByteArray m_chunk;
    std::array<QHash<quint64, QString>, kHistoryColumnCount> m_cache;
};

} // namespace

bool WriteHistoryFile(const HistoryTable& table, QIODevice& device)
{
    HistoryTextWriter writer(device, table.rowCount());
    if (!writer.writeMark())
        return false;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!writer.writeRow(table, row))
            return false;
    }
    return writer.flush();
}

int keepHistoryLines(const HistoryTable& table, int from, int count)
{
    QBuffer unused;
    HistoryTextWriter writer(unused, 0);
    const int end = std::min(table.rowCount(), from + count);
    for (int row = std::max(0, from); row < end; ++row)
        writer.keepLine(table, row);
    return std::max(end, from);
}

QByteArray historyFileBytes(const HistoryTable& table)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteHistoryFile(table, buffer);
    return bytes;
}

IoResult WriteHistoryFile(const HistoryTable& table, const QString& path)
{
    return writeFileAtomically(path, [&table](QIODevice& device) {
        return WriteHistoryFile(table, device);
    });
}

} // namespace belvane
