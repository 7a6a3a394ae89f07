#pragma once
// The history of saved budgets as the program holds it in memory: an ordered table of rows with
// the nineteen typed columns of HistoryColumns.h. The order of the rows is the order the user sees
// and the order written to the history file; sorting reorders the table itself.
//
// Cells are reached by (row, column), both from 0. Every cell can be read and given as text, the
// text converted by the column's kind (HistoryCellText.h); number, date and check-box cells can
// also be read and given as values. Row and column arguments must be valid (asserted); text that
// does not convert never throws, it leaves an empty value and says so in the result.
//
// The history file is written back byte for byte: a row unchanged since the last write keeps the
// line it was written as, so that a save of 65,535 rows encodes only the rows that changed. Those
// lines are the table's own: every change of a row drops its line here, and only the file writer
// reads and keeps them (HistoryLineKeeper in HistoryFile.cpp), so no caller can pair a row with a
// line it does not spell.
#include "core/history/HistoryColumns.h"
#include "core/history/HistoryRow.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>
#include <vector>

namespace belvane {

class HistoryTable {
public:
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    bool isValidRow(int row) const { return row >= 0 && row < rowCount(); }

    // Adds an empty row (cells empty, 0 or false) at the bottom and returns its index.
    int appendRow();
    void removeRow(int row);
    void clear() { m_rows.clear(); }
    void reserve(int rows) { m_rows.reserve(static_cast<std::size_t>(rows)); }

    // The cell's text form: text cells as they are, numbers in the general form, dates as
    // "dd/mm/yyyy" (empty for 0), check boxes "True"/"False".
    QString text(int row, int column) const;
    // What the grid shows in the cell: the text form, except for number columns that have a
    // display pattern ("Negociado[R$] " shows 11500,50 for the value 11500.5).
    QString displayText(int row, int column) const;
    // Text and drop-down cells only: the text without a copy, valid until the row changes.
    QStringView textView(int row, int column) const;
    // Gives the cell the value the text spells in the column's kind. Returns false when a number
    // or date text does not convert: the cell is then 0 (an empty date).
    bool setText(int row, int column, QStringView text);

    // The user's edit of a cell in the grid: only the columns the user edits take it, a number
    // that does not convert leaves the cell as it was, and the row is marked "Modif." so that the
    // edit reaches its budget file at close. False when nothing was stored.
    bool editByUser(int row, int column, QStringView text);

    // Adds a row whose cells take the texts given for the 19 columns, as setText would, and
    // returns the columns whose number or date text did not convert (bit `column` set).
    quint32 appendRowFromTexts(const std::array<QStringView, kHistoryColumnCount>& texts);

    // Number and date cells: their value. Text cells: the number their text spells, 0 if none.
    // Check boxes: 1 or 0.
    double value(int row, int column) const;
    // Number and date cells take the value; text cells take its general number text; check
    // boxes are checked for any value but 0.
    void setValue(int row, int column, double value);
    // Date cells take the day count; text cells take its "dd/mm/yyyy" text.
    void setDate(int row, int column, double dayCount);

    bool isChecked(int row, int column) const;
    void setChecked(int row, int column, bool checked);

    // The first row from the top whose "Nº" cell reads as `number`; -1 when there is none.
    int findRowByNumber(int number) const;

    // Orders the rows by the column's sort kind; rows that compare equal keep their order.
    // Returns the order applied, as reorder() takes it, so that a view can follow its rows.
    std::vector<int> sortByColumn(int column, Qt::SortOrder order);
    // Puts the rows in the order given: order[i] is the index of the row that becomes row i.
    // `order` must be a permutation of 0..rowCount()-1.
    void reorder(const std::vector<int>& order);

    const HistoryRow& row(int row) const { return m_rows[index(row)].cells; }

private:
    // The file writer's hold on the kept lines, through the three members below and no others.
    friend class HistoryLineKeeper;

    // A row with its line of the history file, CR LF included; empty when not known. The line is
    // a cache filled while writing, hence mutable.
    struct Entry {
        HistoryRow cells;
        mutable QByteArray line;
    };

    const QByteArray& keptLine(int row) const { return m_rows[index(row)].line; }
    void keepLine(int row, QByteArray line) const { m_rows[index(row)].line = std::move(line); }
    // The lines of the last write that put the whole file together, back to back. Rows whose
    // line is unchanged since point into it, so that the next save writes long runs of them
    // straight from it; it lives as long as the table or a copy of it does.
    void keepLineImage(std::shared_ptr<const QByteArray> image) const { m_lineImage = std::move(image); }

    std::size_t index(int row) const;
    // The one way to a row that changes it: the row's kept line goes with it.
    HistoryRow& rowRef(int row);

    std::vector<Entry> m_rows;
    mutable std::shared_ptr<const QByteArray> m_lineImage;
};

} // namespace belvane
