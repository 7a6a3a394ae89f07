#include "core/history/HistoryTable.h"

#include "core/history/HistoryCellText.h"
#include "core/history/HistorySortKeys.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <numeric>

namespace belvane {

namespace {

HistoryCellKind kindOf(int column)
{
    return historyColumn(column).kind;
}

bool holdsText(int column)
{
    return HistoryRow::holdsText(column);
}

// The value a number or date text spells; no value when it does not convert.
std::optional<double> valueOfText(int column, QStringView text)
{
    return kindOf(column) == HistoryCellKind::Number ? readHistoryNumber(text)
                                                     : readHistoryDate(text);
}

// Plain equality of two short texts; this runs for every row of a save, so it stays inline.
bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size() && std::equal(a.utf16(), a.utf16() + a.size(), b.utf16());
}

bool isPlainPositiveInteger(QStringView text)
{
    if (text.isEmpty() || text.front() < u'1' || text.front() > u'9')
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

std::size_t HistoryTable::index(int row) const
{
    Q_ASSERT(isValidRow(row));
    return static_cast<std::size_t>(row);
}

HistoryRow& HistoryTable::rowRef(int row)
{
    Entry& entry = m_rows[index(row)];
    entry.line.clear();
    return entry.cells;
}

int HistoryTable::appendRow()
{
    m_rows.emplace_back();
    return rowCount() - 1;
}

void HistoryTable::removeRow(int row)
{
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(index(row)));
}

QString HistoryTable::text(int row, int column) const
{
    const HistoryRow& cells = m_rows[index(row)].cells;
    switch (kindOf(column)) {
    case HistoryCellKind::Text:
    case HistoryCellKind::DropDown:
        return cells.textAt(column).toString();
    case HistoryCellKind::Number:
        return historyNumberText(cells.valueAt(column));
    case HistoryCellKind::Date:
        return historyDateText(cells.valueAt(column));
    case HistoryCellKind::CheckBox:
        return historyCheckText(cells.flagAt(column));
    }
    return {};
}

bool HistoryTable::setText(int row, int column, QStringView text)
{
    HistoryRow& cells = rowRef(row);
    switch (kindOf(column)) {
    case HistoryCellKind::Text:
    case HistoryCellKind::DropDown:
        cells.setTextAt(column, text);
        return true;
    case HistoryCellKind::Number:
    case HistoryCellKind::Date: {
        const std::optional<double> value = valueOfText(column, text);
        cells.setValueAt(column, value.value_or(0.0));
        return value.has_value();
    }
    case HistoryCellKind::CheckBox:
        cells.setFlagAt(column, readHistoryCheck(text));
        return true;
    }
    return false;
}

bool HistoryTable::editByUser(int row, int column, QStringView text)
{
    if (!isValidRow(row) || !isValidHistoryColumn(column) || !historyColumn(column).editable)
        return false;
    const HistoryCellKind kind = kindOf(column);
    // An emptied number counts as 0; a text that spells no number is refused.
    const bool numeric = kind == HistoryCellKind::Number || kind == HistoryCellKind::Date;
    if (numeric && !text.trimmed().isEmpty() && !valueOfText(column, text))
        return false;
    setText(row, column, text);
    setChecked(row, kColModified, true);
    return true;
}

QString HistoryTable::displayText(int row, int column) const
{
    const HistoryColumnInfo& info = historyColumn(column);
    if (info.kind == HistoryCellKind::Number && info.displayPattern[0] != 0)
        return formatNumber(value(row, column), QStringView(info.displayPattern));
    return text(row, column);
}

QStringView HistoryTable::textView(int row, int column) const
{
    Q_ASSERT(holdsText(column));
    return m_rows[index(row)].cells.textAt(column);
}

quint32 HistoryTable::appendRowFromTexts(const std::array<QStringView, kHistoryColumnCount>& texts)
{
    HistoryRow& cells = m_rows.emplace_back().cells;
    cells.setAllTexts(texts);
    quint32 unconverted = 0;
    for (int column = 0; column < kHistoryColumnCount; ++column) {
        const QStringView text = texts[static_cast<std::size_t>(column)];
        switch (kindOf(column)) {
        case HistoryCellKind::Text:
        case HistoryCellKind::DropDown:
            break;
        case HistoryCellKind::Number:
        case HistoryCellKind::Date: {
            const std::optional<double> value = valueOfText(column, text);
            cells.setValueAt(column, value.value_or(0.0));
            if (!value)
                unconverted |= 1u << column;
            break;
        }
        case HistoryCellKind::CheckBox:
            cells.setFlagAt(column, readHistoryCheck(text));
            break;
        }
    }
    return unconverted;
}

double HistoryTable::value(int row, int column) const
{
    const HistoryRow& cells = m_rows[index(row)].cells;
    switch (kindOf(column)) {
    case HistoryCellKind::Text:
    case HistoryCellKind::DropDown:
        return readHistoryNumber(cells.textAt(column)).value_or(0.0);
    case HistoryCellKind::Number:
    case HistoryCellKind::Date:
        return cells.valueAt(column);
    case HistoryCellKind::CheckBox:
        return cells.flagAt(column) ? 1.0 : 0.0;
    }
    return 0.0;
}

void HistoryTable::setValue(int row, int column, double value)
{
    HistoryRow& cells = rowRef(row);
    switch (kindOf(column)) {
    case HistoryCellKind::Text:
    case HistoryCellKind::DropDown:
        cells.setTextAt(column, historyNumberText(value));
        break;
    case HistoryCellKind::Number:
    case HistoryCellKind::Date:
        cells.setValueAt(column, value);
        break;
    case HistoryCellKind::CheckBox:
        cells.setFlagAt(column, value != 0.0);
        break;
    }
}

void HistoryTable::setDate(int row, int column, double dayCount)
{
    if (holdsText(column))
        rowRef(row).setTextAt(column, historyDateText(dayCount));
    else
        setValue(row, column, dayCount);
}

bool HistoryTable::isChecked(int row, int column) const
{
    return value(row, column) != 0.0;
}

void HistoryTable::setChecked(int row, int column, bool checked)
{
    setValue(row, column, checked ? 1.0 : 0.0);
}

int HistoryTable::findRowByNumber(int number) const
{
    // The cell nearly always holds the number as the program wrote it: plain digits without a
    // leading zero. Two such texts spell the same number only when they are equal, so only cells
    // spelled otherwise ("012", " 12", "+12") need to be read as a number.
    const QString wanted = QString::number(number);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const QStringView cell = m_rows[i].cells.textAt(kColNumber);
        if (sameText(cell, wanted))
            return static_cast<int>(i);
        if (!isPlainPositiveInteger(cell) && readHistoryBudgetNumber(cell) == number)
            return static_cast<int>(i);
    }
    return -1;
}

namespace {

// A stable sort by counting: each row goes to the next free place of its rank, ranks in the
// order asked, rows of one rank in the order they stood.
std::vector<int> placedByRank(const HistorySortKeys& keys, int rows, Qt::SortOrder order)
{
    std::vector<int> next(static_cast<std::size_t>(keys.rankCount()) + 1, 0);
    for (int row = 0; row < rows; ++row)
        ++next[static_cast<std::size_t>(keys.rankOf(row))];
    int place = 0;
    const auto placeRank = [&](std::size_t rank) {
        const int count = next[rank];
        next[rank] = place;
        place += count;
    };
    if (order == Qt::AscendingOrder) {
        for (std::size_t rank = 0; rank < next.size(); ++rank)
            placeRank(rank);
    } else {
        for (std::size_t rank = next.size(); rank-- > 0;)
            placeRank(rank);
    }
    std::vector<int> sorted(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row)
        sorted[static_cast<std::size_t>(next[static_cast<std::size_t>(keys.rankOf(row))]++)] = row;
    return sorted;
}

} // namespace

std::vector<int> HistoryTable::sortByColumn(int column, Qt::SortOrder order)
{
    Q_ASSERT(isValidHistoryColumn(column));
    std::vector<int> sorted(m_rows.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    {
        const HistorySortKeys keys(*this, column);
        if (keys.ranked()) {
            sorted = placedByRank(keys, rowCount(), order);
            reorder(sorted);
            return sorted;
        }
        if (order == Qt::AscendingOrder)
            std::stable_sort(sorted.begin(), sorted.end(),
                             [&keys](int a, int b) { return keys.less(a, b); });
        else
            std::stable_sort(sorted.begin(), sorted.end(),
                             [&keys](int a, int b) { return keys.less(b, a); });
    }
    reorder(sorted);
    return sorted;
}

void HistoryTable::reorder(const std::vector<int>& order)
{
    Q_ASSERT(order.size() == m_rows.size());
    std::vector<Entry> reordered;
    reordered.reserve(m_rows.size());
    for (const int from : order)
        reordered.push_back(std::move(m_rows[index(from)]));
    m_rows = std::move(reordered);
}

} // namespace belvane
