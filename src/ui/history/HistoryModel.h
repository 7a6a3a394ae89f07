#pragma once
// The history grid's view of the history table: one row per saved budget, the nineteen columns
// with their headers, the four cells the user edits ("Tel", "Negociado[R$] ", "Status",
// "Código"), the colours of the "Status" cells, and sorting — which reorders the table itself,
// since the order on screen is the order written to the file.
#include "core/history/PendingRowEdits.h"
#include "core/settings/StatusColors.h"

#include <QAbstractTableModel>

namespace belvane {

class HistoryBook;
class HistoryTable;

class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit HistoryModel(HistoryTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // Sorting and searching reorder the table; the view's current cell and selection move with
    // their rows, so an edit in progress stays with its budget.
    void sort(int column, Qt::SortOrder order) override;
    // Marks and brings up the rows that mention `text`; returns how many did.
    // Runs the book's search; returns what the page says about it.
    QString search(HistoryBook& book, const QString& text);

    // The status cells are painted with these colours until the next painting.
    void paintStatusCells(bool highlight, const TStatusColors& swatches);
    // The table changed underneath (read, stored, searched, deleted): show it anew.
    void reload();
    // Only these cells changed.
    void rowChanged(int row);

    static bool isUserEditable(int column);

signals:
    // The user edited a cell of `row`, which held the commercial state `before` until then.
    void rowEdited(int row, int column, const belvane::CommercialState& before);
    // The user set a budget's status or negotiated value in the grid.
    void commercialStateEdited(int budgetNumber, int column, const QString& text);

private:
    // Reorders the table by `reorderTable`, which returns the order it applied (empty: none),
    // and moves the view's persistent cells along.
    template <typename Reorder>
    void reorderRows(Reorder reorderTable);

    HistoryTable& m_table;
    bool m_highlight = false;
    TStatusColors m_swatches = zeroStatusColors();
};

} // namespace belvane
