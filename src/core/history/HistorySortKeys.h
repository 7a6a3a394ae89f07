#pragma once
// What a header click compares. Each cell of the sorted column is turned into a number once, so
// sorting 65,535 rows costs one conversion per row and O(n log n) comparisons of numbers.
//
// Numeric columns compare the numbers their cells spell; a cell that spells no number (an empty
// cell of a text column, a damaged value) comes before every number. Alphabetic columns compare
// the texts the way a Portuguese reader looks them up: letter case and accents aside ("Ágata",
// "agata" and "AGATA" stand together, "Ç" with "C"), and only then by the exact characters. The
// texts are sorted a few characters at a time rather than compared whole, and equal texts take
// one rank, so the rows are then placed by counting. Check boxes put false before true.
#include <QString>
#include <QStringView>

#include <vector>

namespace belvane {

class HistoryTable;

class HistorySortKeys {
public:
    HistorySortKeys(const HistoryTable& table, int column);

    // Alphabetic columns: every row's key is its text's rank, 0 to rankCount() - 1, so the rows
    // can be placed by counting instead of compared.
    bool ranked() const { return m_rankCount >= 0; }
    int rankCount() const { return m_rankCount; }
    int rankOf(int row) const { return static_cast<int>(m_keys[static_cast<std::size_t>(row)].number); }

    // Whether row a's cell comes before row b's in ascending order.
    bool less(int a, int b) const
    {
        const Key& x = m_keys[static_cast<std::size_t>(a)];
        const Key& y = m_keys[static_cast<std::size_t>(b)];
        if (x.hasNumber != y.hasNumber)
            return !x.hasNumber;
        return x.number < y.number;
    }

private:
    struct Key {
        bool hasNumber = false;
        double number = 0.0;  // the cell's number, or its text's rank in alphabetic order
    };

    void addNumeric(const HistoryTable& table, int row, int column);
    void rankTexts(const HistoryTable& table, int column);

    std::vector<Key> m_keys;
    int m_rankCount = -1;
};

// The text with letter case and accents removed, as alphabetic sorting compares it.
QString foldedForSorting(QStringView text);

} // namespace belvane
