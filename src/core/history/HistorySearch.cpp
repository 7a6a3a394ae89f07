#include "core/history/HistorySearch.h"

#include "core/history/HistoryTable.h"

#include <array>
#include <vector>

namespace belvane {

namespace {

constexpr std::array<int, 12> kSearchedColumns{
    kColEditedDate, kColClient, kColPhone, kColArea,    kColHxh,   kColService,
    kColBudgetValue, kColValuePerM2, kColNegotiated, kColStatus, kColNotes, kColProjectCode};

// The capital of each character of the Latin-1 range, as the full Unicode rules give it; 0 for
// the characters whose capital lies outside that range or is two letters ("ß", "ÿ", "µ").
constexpr std::array<char16_t, 256> latinCapitals()
{
    std::array<char16_t, 256> capitals{};
    for (char16_t c = 0; c < 256; ++c) {
        if (c >= u'a' && c <= u'z')
            capitals[c] = char16_t(c - (u'a' - u'A'));
        else if (c >= 0xE0 && c != 0xF7 && c != 0xFF)
            capitals[c] = char16_t(c - 0x20);
        else if (c != 0xB5 && c != 0xDF && c != 0xFF)
            capitals[c] = c;
    }
    return capitals;
}

constexpr std::array<char16_t, 256> kLatinCapitals = latinCapitals();

// 0 for the characters whose capital the table does not give, and for everything beyond Latin-1.
char16_t latinCapital(char16_t c)
{
    return c < 256 ? kLatinCapitals[c] : char16_t(0);
}

enum class Found { Yes, No, NeedsFullRules };

// Whether the text holds the needle, given in capitals, comparing the text's capitals character
// by character without a copy of the text. Any character without a Latin-1 capital stops the
// search: the full rules must then decide. A plain loop, as it runs for a dozen cells of every
// row.
Found findInLatinCapitals(QStringView text, QStringView upperNeedle)
{
    const char16_t* hay = text.utf16();
    const char16_t* needle = upperNeedle.utf16();
    const qsizetype size = text.size();
    const qsizetype length = upperNeedle.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t first = latinCapital(hay[i]);
        if (first == 0)
            return Found::NeedsFullRules;
        if (first != needle[0] || size - i < length)
            continue;
        qsizetype k = 1;
        while (k < length && latinCapital(hay[i + k]) == needle[k])
            ++k;
        if (k == length)
            return Found::Yes;
    }
    return Found::No;
}

// Every character the text of a number or date cell can hold: digits, the decimal comma, signs
// and exponent, date and time separators, and the words for values that are no number.
bool canBeInNumberOrDateText(QStringView upper)
{
    for (const QChar c : upper) {
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit && !QStringView(u",-+E/: NAIF").contains(c))
            return false;
    }
    return true;
}

// The search text in capitals, prepared once for all cells.
class Needle {
public:
    explicit Needle(QStringView text)
        : m_upper(text.toString().toUpper()),
          m_latin(isLatin1(m_upper)),
          m_inNumbers(canBeInNumberOrDateText(m_upper))
    {
    }

    bool isIn(const HistoryTable& table, int row, int column) const
    {
        if (HistoryRow::holdsText(column))
            return isIn(table.textView(row, column));
        // Formatting a number or date costs more than the whole comparison, so it is done only
        // when the text could be found there at all.
        return m_inNumbers && isIn(table.text(row, column));
    }

private:
    static bool isLatin1(QStringView text)
    {
        for (const QChar c : text) {
            if (c.unicode() > 0xFF)
                return false;
        }
        return true;
    }

    bool isIn(QStringView cell) const
    {
        // Most texts are Portuguese, with capitals within Latin-1; a needle whose capitals go
        // beyond it is left to the full rules.
        if (m_latin) {
            const Found found = findInLatinCapitals(cell, m_upper);
            if (found != Found::NeedsFullRules)
                return found == Found::Yes;
        }
        return cell.toString().toUpper().contains(m_upper, Qt::CaseSensitive);
    }

    QString m_upper;
    bool m_latin;
    bool m_inNumbers;
};

bool rowMatches(const HistoryTable& table, int row, const Needle& needle)
{
    for (const int column : kSearchedColumns) {
        if (needle.isIn(table, row, column))
            return true;
    }
    return false;
}

} // namespace

bool historyRowMatches(const HistoryTable& table, int row, QStringView text)
{
    return !text.isEmpty() && rowMatches(table, row, Needle(text));
}

int SearchHistory(HistoryTable& table, QStringView text)
{
    std::vector<int> order;
    return SearchHistory(table, text, order);
}

int SearchHistory(HistoryTable& table, QStringView text, std::vector<int>& appliedOrder)
{
    appliedOrder.clear();
    if (text.isEmpty())
        return 0;
    const Needle needle(text);
    std::vector<int> matching;
    std::vector<int> others;
    for (int row = 0; row < table.rowCount(); ++row) {
        const bool match = rowMatches(table, row, needle);
        table.setChecked(row, kColSelected, match);
        (match ? matching : others).push_back(row);
    }
    const int matched = static_cast<int>(matching.size());
    if (matched > 0) {
        matching.insert(matching.end(), others.begin(), others.end());
        table.reorder(matching);
        appliedOrder = std::move(matching);
    }
    return matched;
}

} // namespace belvane
