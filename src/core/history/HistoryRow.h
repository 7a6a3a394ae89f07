#pragma once
// One row of the history: the nineteen cells of one budget, each held as a value of its column's
// kind. Text cells hold text, number and date cells a double, check boxes a Boolean; a cell of
// another kind is simply never asked for that form. A new row is all empty, 0 and false.
//
// The history may hold 65,535 rows, read at every start. So a row keeps the texts of its fourteen
// text cells back to back in one string, with the end of each: reading a row costs one
// allocation instead of fourteen, and the whole history stays a fraction of the size.
#include "core/history/HistoryColumns.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace belvane {

class HistoryRow {
public:
    static constexpr int kTextCells = 14;

    // Text and drop-down columns. The view lives until the row's texts change.
    QStringView textAt(int column) const
    {
        const std::size_t slot = slotOf(column);
        const std::int32_t start = slot == 0 ? 0 : m_ends[slot - 1];
        return QStringView(m_texts).sliced(start, m_ends[slot] - start);
    }
    void setTextAt(int column, QStringView text);
    // Gives every text cell at once, `byColumn` indexed by column (other columns' entries are
    // not looked at): what a row read from the file needs, in one allocation.
    void setAllTexts(const std::array<QStringView, kHistoryColumnCount>& byColumn);

    // Number and date columns (a date is a day count).
    double valueAt(int column) const { return m_values[slotOf(column)]; }
    void setValueAt(int column, double value) { m_values[slotOf(column)] = value; }

    // Check-box columns.
    bool flagAt(int column) const { return m_flags[slotOf(column)]; }
    void setFlagAt(int column, bool flag) { m_flags[slotOf(column)] = flag; }

    // True for the columns whose cells are held as text.
    static bool holdsText(int column) { return kTextColumn[static_cast<std::size_t>(column)]; }

private:
    static constexpr int kValueSlots = 3;
    static constexpr int kFlagSlots = 2;

    // Where each column's cell lives within the slots of its kind.
    static constexpr std::array<std::size_t, kHistoryColumnCount> kSlots{
        0, 0, 1, 2, 1, 3, 4, 5, 6, 2, 7, 0, 8, 9, 1, 10, 11, 12, 13};
    static constexpr std::array<bool, kHistoryColumnCount> kTextColumn{
        true, false, true, true, false, true, true, true, true, false,
        true, false, true, true, false, true, true, true, true};
    static std::size_t slotOf(int column) { return kSlots[static_cast<std::size_t>(column)]; }
    static constexpr bool textSlotsFollowColumns();

    QString m_texts;                                  // the text cells, one after the other
    std::array<std::int32_t, kTextCells> m_ends{};    // where each text cell ends in m_texts
    std::array<double, kValueSlots> m_values{};
    std::array<bool, kFlagSlots> m_flags{};
};

} // namespace belvane
