#include "core/history/HistoryRow.h"

#include <algorithm>

namespace belvane {

void HistoryRow::setTextAt(int column, QStringView text)
{
    const std::size_t slot = slotOf(column);
    const std::int32_t start = slot == 0 ? 0 : m_ends[slot - 1];
    const std::int32_t end = m_ends[slot];
    const auto delta = static_cast<std::int32_t>(text.size()) - (end - start);
    // Built anew rather than edited in place: `text` may be a view into this very row.
    QString rebuilt;
    rebuilt.reserve(m_texts.size() + delta);
    rebuilt.append(QStringView(m_texts).first(start));
    rebuilt.append(text);
    rebuilt.append(QStringView(m_texts).sliced(end));
    m_texts = std::move(rebuilt);
    for (std::size_t k = slot; k < m_ends.size(); ++k)
        m_ends[k] += delta;
}

constexpr bool HistoryRow::textSlotsFollowColumns()
{
    std::size_t next = 0;
    for (std::size_t column = 0; column < kSlots.size(); ++column) {
        if (kTextColumn[column] && kSlots[column] != next++)
            return false;
    }
    return next == kTextCells;
}

void HistoryRow::setAllTexts(const std::array<QStringView, kHistoryColumnCount>& byColumn)
{
    // The ends are filled in column order, so the text slots must follow the columns.
    static_assert(textSlotsFollowColumns());
    qsizetype total = 0;
    for (int column = 0; column < kHistoryColumnCount; ++column) {
        if (holdsText(column))
            total += byColumn[static_cast<std::size_t>(column)].size();
    }
    QString texts(total, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(texts.data());
    std::int32_t end = 0;
    for (int column = 0; column < kHistoryColumnCount; ++column) {
        if (!holdsText(column))
            continue;
        const QStringView text = byColumn[static_cast<std::size_t>(column)];
        std::copy(text.utf16(), text.utf16() + text.size(), out + end);
        end += static_cast<std::int32_t>(text.size());
        m_ends[slotOf(column)] = end;
    }
    m_texts = std::move(texts);
}

} // namespace belvane
