#include "core/history/HistorySortKeys.h"

#include "core/history/HistoryCellText.h"
#include "core/history/HistoryTable.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <cstdint>
#include <cstring>

namespace belvane {

namespace {

// An empty text spells no number here: it sorts before every number, 0 included.
std::optional<double> numberOfText(QStringView text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return readHistoryNumber(text);
}

// The letter without accent and in small letters, for ASCII and the Latin-1 letters Portuguese
// and its neighbours use ("Á" and "á" give "a", "Ç" gives "c"); 0 for any other character.
char16_t latinBare(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
    // Signs and marks between, all but the micro sign, have neither case nor accent.
    if (c < 0xC0)
        return c == 0xB5 ? 0 : c;
    if (c > 0xFF)
        return 0;
    // U+00C0 to U+00FF, capitals then small letters; 0 where the full rules decide.
    static constexpr char16_t kBare[64 + 1] =
        u"aaaaaa\0ceeeeiiii\0nooooo\0\0uuuuy\0\0aaaaaa\0ceeeeiiii\0nooooo\0\0uuuuy\0y";
    return kBare[c - 0xC0];
}

QString foldedByUnicode(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_D);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare.append(c);
    }
    return bare.toCaseFolded();
}

// Appends the text with letter case and accents removed.
void appendFolded(QString& out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char16_t* folded = reinterpret_cast<char16_t*>(out.data()) + start;
    for (const QChar c : text) {
        const char16_t bare = latinBare(c.unicode());
        // A character beyond the common Latin letters: the full Unicode rules for the whole text.
        if (bare == 0) {
            out.resize(start);
            out += foldedByUnicode(text);
            return;
        }
        *folded++ = bare;
    }
}

// Orders texts by their UTF-16 code units. Sorting makes over a million comparisons of texts
// that often share a long beginning, which is passed over four units at a time.
int compareUnits(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t* x = a.utf16();
    const char16_t* y = b.utf16();
    qsizetype i = 0;
    for (; i + 4 <= common; i += 4) {
        std::uint64_t left;
        std::uint64_t right;
        std::memcpy(&left, x + i, sizeof left);
        std::memcpy(&right, y + i, sizeof right);
        if (left != right)
            break;
    }
    for (; i < common; ++i) {
        if (x[i] != y[i])
            return x[i] < y[i] ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The texts of a column, each distinct text once, and which of them each row holds.
struct DistinctTexts {
    QHash<QStringView, int> idOfText;
    std::vector<QStringView> distinct;
    std::vector<int> idOfRow;

    void add(QStringView text)
    {
        auto found = idOfText.constFind(text);
        if (found == idOfText.constEnd()) {
            found = idOfText.insert(text, static_cast<int>(distinct.size()));
            distinct.push_back(text);
        }
        idOfRow.push_back(*found);
    }
};

// The place of each text in alphabetic order. The folded texts lie back to back in one buffer
// and are sorted as entries that point into it: the comparisons of a large sort then read memory
// in order instead of chasing one allocation per text.
std::vector<double> alphabeticRanks(const std::vector<QStringView>& texts)
{
    struct Entry {
        std::uint64_t head; // the first four folded units, the first one highest: most
                            // comparisons are decided by this one number
        qsizetype start;
        qsizetype size;
        int id;
    };
    QString buffer;
    qsizetype total = 0;
    for (const QStringView text : texts)
        total += text.size();
    buffer.reserve(total + 16);
    std::vector<Entry> entries;
    entries.reserve(texts.size());
    for (std::size_t id = 0; id < texts.size(); ++id) {
        const qsizetype start = buffer.size();
        appendFolded(buffer, texts[id]);
        std::uint64_t head = 0;
        for (qsizetype unit = 0; unit < 4; ++unit)
            head = (head << 16) | (start + unit < buffer.size() ? buffer.at(start + unit).unicode() : 0u);
        entries.push_back({head, start, buffer.size() - start, static_cast<int>(id)});
    }
    const QStringView folded(buffer);
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int byFolded = compareUnits(folded.sliced(a.start, a.size), folded.sliced(b.start, b.size));
        return byFolded != 0 ? byFolded < 0
                             : compareUnits(texts[std::size_t(a.id)], texts[std::size_t(b.id)]) < 0;
    });
    std::vector<double> rank(texts.size());
    for (std::size_t position = 0; position < entries.size(); ++position)
        rank[static_cast<std::size_t>(entries[position].id)] = double(position);
    return rank;
}

} // namespace

QString foldedForSorting(QStringView text)
{
    QString folded;
    appendFolded(folded, text);
    return folded;
}

HistorySortKeys::HistorySortKeys(const HistoryTable& table, int column)
{
    m_keys.reserve(static_cast<std::size_t>(table.rowCount()));
    if (historyColumn(column).sortKind == HistorySortKind::Alphabetic) {
        rankTexts(table, column);
        return;
    }
    for (int row = 0; row < table.rowCount(); ++row)
        addNumeric(table, row, column);
}

void HistorySortKeys::addNumeric(const HistoryTable& table, int row, int column)
{
    Key key;
    const std::optional<double> number = HistoryRow::holdsText(column)
                                             ? numberOfText(table.textView(row, column))
                                             : std::optional<double>(table.value(row, column));
    // A value that is no number at all would break the ordering; it goes with the empty cells.
    key.hasNumber = number.has_value() && !std::isnan(*number);
    key.number = key.hasNumber ? *number : 0.0;
    m_keys.push_back(key);
}

void HistorySortKeys::rankTexts(const HistoryTable& table, int column)
{
    // Texts made for cells that hold none, kept alive while their views are in use.
    std::vector<QString> formatted;
    const bool holdsText = HistoryRow::holdsText(column);
    if (!holdsText)
        formatted.reserve(static_cast<std::size_t>(table.rowCount()));

    DistinctTexts texts;
    texts.idOfRow.reserve(static_cast<std::size_t>(table.rowCount()));
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!holdsText)
            formatted.push_back(table.text(row, column));
        texts.add(holdsText ? table.textView(row, column) : QStringView(formatted.back()));
    }
    const std::vector<double> rank = alphabeticRanks(texts.distinct);
    m_rankCount = static_cast<int>(rank.size());
    for (const int id : texts.idOfRow)
        m_keys.push_back({true, rank[static_cast<std::size_t>(id)]});
}

} // namespace belvane
