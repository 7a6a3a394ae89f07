#include "core/history/HistorySortKeys.h"

#include "core/history/HistoryCellText.h"
#include "core/history/HistoryTable.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <deque>
#include <numeric>

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

// Writes the text with letter case and accents removed to `out`, one unit per character, and
// gives the end of what it wrote; null, with nothing that counts written, for a text with a
// character beyond the common Latin letters, which the full Unicode rules must fold.
char16_t* foldLatin(QStringView text, char16_t* out)
{
    for (const QChar c : text) {
        const char16_t bare = latinBare(c.unicode());
        if (bare == 0)
            return nullptr;
        *out++ = bare;
    }
    return out;
}

QString folded(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t* end = foldLatin(text, reinterpret_cast<char16_t*>(out.data()));
    return end ? out : foldedByUnicode(text);
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

// A row's text as the sort compares it: the folded text, a 0 unit, then the text itself. Texts
// equal but for case and accents thus stand together, ordered among themselves by their exact
// characters, and only texts equal to the last character have equal keys.
struct SortText {
    // The three units from the depth being sorted on, each plus one in 21 bits, the first
    // highest; 0 for units past the end, so a shorter text comes first. Comparing these numbers
    // saves reaching into the buffer at every step.
    std::uint64_t cache;
    const char16_t* units;
    qsizetype size;
    int row;

    void cacheFrom(qsizetype depth)
    {
        cache = 0;
        for (qsizetype unit = depth; unit < depth + kCached; ++unit)
            cache = (cache << 21) | (unit < size ? std::uint64_t(units[unit]) + 1 : 0);
    }
    QStringView from(qsizetype depth) const { return QStringView(units + depth, size - depth); }

    static constexpr qsizetype kCached = 3;
};

// Sorts texts that agree on their first `depth` units, three units at a time (Bentley and
// Sedgewick's multikey quicksort, with the units at hand in each entry): a long beginning shared
// by many texts ("Construtora ...") is read once per text instead of once per comparison, and
// equal texts gather at once. `callsLeft` bounds the recursion on inputs that would unbalance it.
void sortFromDepth(SortText* first, SortText* last, qsizetype depth, int callsLeft)
{
    while (last - first > 1) {
        if (last - first < 12 || callsLeft == 0) {
            std::sort(first, last, [depth](const SortText& a, const SortText& b) {
                return a.cache != b.cache ? a.cache < b.cache
                                          : compareUnits(a.from(depth), b.from(depth)) < 0;
            });
            return;
        }
        const std::uint64_t a = first->cache;
        const std::uint64_t b = first[(last - first) / 2].cache;
        const std::uint64_t c = last[-1].cache;
        const std::uint64_t pivot = std::max(std::min(a, b), std::min(std::max(a, b), c));
        // [first, less) below the pivot, [less, greater) equal to it, [greater, last) above.
        SortText* less = first;
        SortText* greater = last;
        for (SortText* at = first; at < greater;) {
            if (at->cache < pivot)
                std::swap(*less++, *at++);
            else if (at->cache > pivot)
                std::swap(*at, *--greater);
            else
                ++at;
        }
        sortFromDepth(first, less, depth, callsLeft - 1);
        sortFromDepth(greater, last, depth, callsLeft - 1);
        if ((pivot & 0x1FFFFF) == 0)
            return; // the equal part ran out of units together: its texts are all the same
        first = less;
        last = greater;
        depth += SortText::kCached;
        for (SortText* text = first; text < last; ++text)
            text->cacheFrom(depth);
    }
}

} // namespace

QString foldedForSorting(QStringView text)
{
    return folded(text);
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
    const int rows = table.rowCount();
    const bool holdsText = HistoryRow::holdsText(column);
    // Texts made for cells that hold none, and the sort texts of texts only the full Unicode
    // rules fold, kept while the sort reads them.
    std::vector<QString> made(holdsText ? 0 : static_cast<std::size_t>(rows));
    std::deque<QString> unusual;
    const auto textOf = [&](int row) {
        return holdsText ? table.textView(row, column) : QStringView(made[static_cast<std::size_t>(row)]);
    };
    qsizetype total = 0;
    for (int row = 0; row < rows; ++row) {
        if (!holdsText)
            made[static_cast<std::size_t>(row)] = table.text(row, column);
        total += 2 * textOf(row).size() + 1;
    }
    // The other sort texts back to back in one buffer: the sort then reads memory in order
    // instead of chasing one allocation per text.
    std::vector<char16_t> buffer(static_cast<std::size_t>(total));
    std::vector<SortText> texts(static_cast<std::size_t>(rows));
    char16_t* free = buffer.data();
    for (int row = 0; row < rows; ++row) {
        const QStringView text = textOf(row);
        SortText& sortText = texts[static_cast<std::size_t>(row)];
        sortText.row = row;
        if (char16_t* end = foldLatin(text, free)) {
            *end++ = 0;
            std::copy(text.utf16(), text.utf16() + text.size(), end);
            sortText.units = free;
            sortText.size = 2 * text.size() + 1;
            free += sortText.size;
        } else {
            const QString& composed =
                unusual.emplace_back(foldedByUnicode(text) + QChar(0) + text.toString());
            sortText.units = reinterpret_cast<const char16_t*>(composed.constData());
            sortText.size = composed.size();
        }
        sortText.cacheFrom(0);
    }
    int calls = 64;
    for (int n = rows; n > 1; n /= 2)
        calls += 2;
    sortFromDepth(texts.data(), texts.data() + texts.size(), 0, calls);

    // Equal texts share a rank; the ranks then place the rows by counting.
    m_keys.assign(static_cast<std::size_t>(rows), Key{true, 0.0});
    int rank = -1;
    for (std::size_t at = 0; at < texts.size(); ++at) {
        if (at == 0 || compareUnits(texts[at - 1].from(0), texts[at].from(0)) != 0)
            ++rank;
        m_keys[static_cast<std::size_t>(texts[at].row)].number = rank;
    }
    m_rankCount = rank + 1;
}

} // namespace belvane
