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
#include <memory>
#include <string>
#include <vector>

namespace belvane {

// The writer's hold on the lines the table keeps for it: HistoryTable lets this class alone reach
// them, so a line is only ever kept by the code that encoded it.
class HistoryLineKeeper {
public:
    static const QByteArray& line(const HistoryTable& table, int row) { return table.keptLine(row); }
    static void keep(const HistoryTable& table, int row, QByteArray line)
    {
        table.keepLine(row, std::move(line));
    }
    static void keepImage(const HistoryTable& table, std::shared_ptr<const QByteArray> image)
    {
        table.keepLineImage(std::move(image));
    }
};

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

// Works out the file lines of rows: a row whose line is kept from the last write keeps it; any
// other is encoded and its line kept.
class HistoryLineEncoder {
public:
    const QByteArray& keepLine(const HistoryTable& table, int row)
    {
        if (HistoryLineKeeper::line(table, row).isEmpty())
            HistoryLineKeeper::keep(table, row, encoded(table, row));
        return HistoryLineKeeper::line(table, row);
    }

private:
    // Distinct values kept per column; a history has few distinct dates, areas and negotiated
    // values, and formatting them costs more than looking them up.
    static constexpr qsizetype kCachedValues = 8192;

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

    std::u16string m_text;
    std::array<QHash<quint64, QString>, kHistoryColumnCount> m_cache;
};

// Lines that lie back to back in memory, as those of rows unchanged since the last write do, go
// to the file as one piece straight from there.
struct LineRun {
    const char* start = nullptr;
    qsizetype size = 0;
};

std::vector<LineRun> lineRuns(const HistoryTable& table)
{
    HistoryLineEncoder encoder;
    std::vector<LineRun> runs;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QByteArray& line = encoder.keepLine(table, row);
        if (!runs.empty() && runs.back().start + runs.back().size == line.constData())
            runs.back().size += line.size();
        else
            runs.push_back({line.constData(), line.size()});
    }
    return runs;
}

// Puts every line together in one new image, which the rows then point into: the next save
// writes a few long runs instead of one piece per row.
std::shared_ptr<const QByteArray> newLineImage(const HistoryTable& table, const std::vector<LineRun>& runs)
{
    qsizetype total = 0;
    for (const LineRun& run : runs)
        total += run.size;
    auto image = std::make_shared<QByteArray>();
    image->reserve(total);
    for (const LineRun& run : runs)
        image->append(run.start, run.size);
    const char* at = image->constData();
    for (int row = 0; row < table.rowCount(); ++row) {
        const qsizetype size = HistoryLineKeeper::line(table, row).size();
        HistoryLineKeeper::keep(table, row, QByteArray::fromRawData(at, size));
        at += size;
    }
    HistoryLineKeeper::keepImage(table, image);
    return image;
}

// A save after a few changes finds the lines in a few runs; the first save, or one after a sort,
// finds them scattered and first gathers them into a new image.
std::vector<LineRun> gatheredLineRuns(const HistoryTable& table, std::shared_ptr<const QByteArray>& image)
{
    constexpr std::size_t kScattered = 256;
    std::vector<LineRun> runs = lineRuns(table);
    if (runs.size() <= kScattered)
        return runs;
    image = newLineImage(table, runs);
    return {{image->constData(), image->size()}};
}

} // namespace

bool WriteHistoryFile(const HistoryTable& table, QIODevice& device)
{
    std::shared_ptr<const QByteArray> image;
    const std::vector<LineRun> runs = gatheredLineRuns(table, image);
    if (device.write("\xFF\xFE", 2) != 2)
        return false;
    for (const LineRun& run : runs) {
        if (device.write(run.start, run.size) != run.size)
            return false;
    }
    return true;
}

int keepHistoryLines(const HistoryTable& table, int from, int count)
{
    HistoryLineEncoder encoder;
    const int end = std::min(table.rowCount(), from + count);
    for (int row = std::max(0, from); row < end; ++row)
        encoder.keepLine(table, row);
    // With every line known, they are gathered at once: the first save is then as quick as the
    // next.
    if (end == table.rowCount() && end > from) {
        std::shared_ptr<const QByteArray> image;
        gatheredLineRuns(table, image);
    }
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
