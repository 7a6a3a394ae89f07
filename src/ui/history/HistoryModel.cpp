#include "ui/history/HistoryModel.h"

#include "core/history/HistoryBook.h"
#include "core/history/HistorySearch.h"
#include "core/history/HistoryTable.h"
#include "core/settings/StatusCellLook.h"
#include "core/text/NumberFormat.h"
#include "ui/widgets/Theme.h"

#include <QFont>

namespace belvane {

HistoryModel::HistoryModel(HistoryTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table)
{
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kHistoryColumnCount;
}

bool HistoryModel::isUserEditable(int column)
{
    return HistoryBook::userEditable(column);
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_table.isValidRow(index.row()))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        // The negotiated value reads with two decimals; every other cell as its text form.
        if (column == kColNegotiated)
            return formatNumber(m_table.value(row, column), u"0.00");
        return m_table.text(row, column);
    case Qt::EditRole:
        return m_table.text(row, column);
    case Qt::FontRole:
        // The budgets the last search found stand out until the next search.
        if (m_table.isChecked(row, kColSelected)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (column == kColNumber || column == kColArea || column == kColHxh || column == kColBudgetValue
            || column == kColValuePerM2 || column == kColNegotiated)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
        if (column == kColStatus) {
            const StatusCellLook look = statusCellLook(m_table.text(row, column), m_highlight, m_swatches);
            if (role == Qt::ForegroundRole)
                return theme::fromBgr(look.text);
            return theme::fromBgr(look.cell.value_or(kPlainStatusCellColor));
        }
        return {};
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && isValidHistoryColumn(section))
        return historyHeader(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags HistoryModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && isUserEditable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool HistoryModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !isUserEditable(index.column()))
        return false;
    const CommercialState before = commercialStateOfRow(m_table, index.row());
    if (!m_table.editByUser(index.row(), index.column(), value.toString()))
        return false;
    emit dataChanged(index, index);
    emit rowEdited(index.row(), index.column(), before);
    if (index.column() == kColStatus || index.column() == kColNegotiated)
        emit commercialStateEdited(m_table.text(index.row(), kColNumber).toInt(), index.column(),
                                   value.toString());
    return true;
}

template <typename Reorder>
void HistoryModel::reorderRows(Reorder reorderTable)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> order = reorderTable();
    if (!order.empty()) {
        std::vector<int> newRowOf(order.size());
        for (std::size_t to = 0; to < order.size(); ++to)
            newRowOf[static_cast<std::size_t>(order[to])] = static_cast<int>(to);
        const QModelIndexList before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const QModelIndex& cell : before)
            after << index(newRowOf[static_cast<std::size_t>(cell.row())], cell.column());
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void HistoryModel::sort(int column, Qt::SortOrder order)
{
    if (!isValidHistoryColumn(column))
        return;
    reorderRows([&] { return m_table.sortByColumn(column, order); });
}

QString HistoryModel::search(HistoryBook& book, const QString& text)
{
    QString summary;
    reorderRows([&] {
        HistorySearchResult result = book.search(text);
        summary = result.summary;
        return std::move(result.order);
    });
    // The marks of every row changed with the search.
    if (m_table.rowCount() > 0)
        emit dataChanged(index(0, 0), index(m_table.rowCount() - 1, kHistoryColumnCount - 1), {Qt::FontRole});
    return summary;
}

void HistoryModel::paintStatusCells(bool highlight, const TStatusColors& swatches)
{
    m_highlight = highlight;
    m_swatches = swatches;
    if (m_table.rowCount() > 0)
        emit dataChanged(index(0, kColStatus), index(m_table.rowCount() - 1, kColStatus));
}

void HistoryModel::reload()
{
    beginResetModel();
    endResetModel();
}

void HistoryModel::rowChanged(int row)
{
    if (m_table.isValidRow(row))
        emit dataChanged(index(row, 0), index(row, kHistoryColumnCount - 1));
}

} // namespace belvane
