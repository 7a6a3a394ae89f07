#pragma once
// The small grids of the office and project pages (expenses, staff, man-hours table, tasks,
// indicators, team): fixed typed columns, cells held as the text the user sees, an editor per
// column kind, and an "after-edit" notification.
//
// Cells are addressed by a Cell{row, column}, in the order of the table it is.
//
// afterEdit(cell) fires only when the USER finished editing a cell with a committed value:
// an editor closed with commit (Enter, leaving the cell, choosing a drop-down item, toggling a
// check box). Programmatic fills (setCellText, setCellNumber, appendRow, sorting ...) never fire
// it, and neither does an editor closed with Escape.
//
// Editors per kind:
//  - Text: a line edit taking no more than the column's maxLength when one is set.
//  - Number: a line edit taking a Brazilian decimal ("1500,5", "1.500,50", "-3"); the committed
//    value is shown again through the column's pattern ("0.00" shows "1500,50"); an emptied cell
//    falls back to 0. Pasting can be switched off per column.
//  - Integer: a line edit taking digits only, up to the column's maximum; emptied means 0.
//  - DropDown: a list of the column's items without free typing; typing picks the item spelt
//    (TypedItemPicker), Enter or choosing an item in the open list commits.
//  - CheckBox: no editor; a click or the space bar toggles the box and commits.
#include <QPointer>
#include <QStringList>
#include <QTableWidget>
#include <limits>
#include <optional>

namespace belvane {

class GridDelegate;

class EditableGrid : public QTableWidget {
    Q_OBJECT
public:
    // A cell of the grid: its row, then its column.
    struct Cell {
        int row = 0;
        int column = 0;
    };

    enum class Kind {
        Text,       // free text
        Number,     // decimal number in Brazilian form, shown with the column's pattern
        Integer,    // whole number
        DropDown,   // one of the column's items, no free typing
        CheckBox,   // true/false
    };
    struct Column {
        QString header;
        Kind kind = Kind::Text;
        bool editable = true;
        bool hidden = false;
        QStringList items = {};   // DropDown: the items offered
        QString pattern = {};     // Number: display pattern such as "0.00" (empty: general form)
        int width = 0;            // 0: share the remaining width with the other 0-width columns
        bool pasteAllowed = true; // Number / Integer / Text: whether the editor accepts pasting
        int maxLength = 0;        // Text: longest text the editor takes (0: no limit)
        int maximum = std::numeric_limits<int>::max();  // Integer: largest value the editor takes
        bool sortable = false;    // a click on the header sorts the rows by this column
        bool negativeAllowed = true;  // Number: whether a value below zero is taken (not for money)
        std::optional<double> numberMaximum = {}; // Number: largest value taken (a percentage: 100)
        Qt::Alignment alignment = {};  // {}: numbers to the right, check boxes centred, text left
    };

    EditableGrid(const QString& objectName, const QList<Column>& columns, QWidget* parent);

    // Cell access by (column, row), both from 0, as the domain addresses cells. Setting a cell
    // from the program never fires afterEdit.
    QString cellText(Cell cell) const;
    void setCellText(Cell cell, const QString& text);
    // The number a cell holds (thousands dots allowed); nullopt for an empty cell or a text that
    // is no number.
    std::optional<double> cellNumber(Cell cell) const;
    void setCellNumber(Cell cell, double value);   // written with the column's pattern
    bool cellChecked(Cell cell) const;
    void setCellChecked(Cell cell, bool checked);
    void clearRow(int row);                 // text cells emptied, number cells 0, boxes cleared
    int appendRow();                        // an empty row (number cells 0 in the column pattern); returns its index
    void removeAllRows();
    // The items of a drop-down column can change at run time (the team member names).
    void setColumnItems(int column, const QStringList& items);
    QStringList columnItems(int column) const;
    const Column& column(int index) const { return m_columns[index]; }
    int selectedRow() const;                // -1 when no row is selected
    void clearRowSelection();               // no row selected, no current cell

    // Reorders the rows by one column: numbers by value (cells that hold no number first in
    // ascending order), text by Portuguese collation. Rows that compare equal keep their order.
    void sortRows(int column, Qt::SortOrder order);

    // Whether an editor is open on one of the cells.
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // Commits and closes an open editor as if the user had pressed Enter (afterEdit fires when
    // the value was taken). For saving while the user is still typing in a cell.
    void commitOpenEditor();

    // Test seam: edits a cell exactly as a user committing an editor does: the text goes through
    // the column's input rules, is stored as the editor would store it, and afterEdit fires.
    // Returns false (nothing stored, nothing fired) where the user could not have committed the
    // text: a read-only column, a text the editor does not take, an item the list does not offer.
    // A check box takes "1" or "0".
    bool userEdit(Cell cell, const QString& text);

    // The text a committed editor stores in a cell of the column, or nullopt when the editor
    // would not take it. Shared by the editors and userEdit.
    std::optional<QString> committedText(int column, const QString& typed) const;

signals:
    void afterEdit(EditableGrid::Cell cell);

protected:
    // Tab walks the cells, and past the last cell (Shift+Tab: before the first) it leaves the
    // grid for the next control instead of starting over, so the keyboard never gets stuck.
    bool focusNextPrevChild(bool next) override;
    int firstTabColumn() const;
    int lastTabColumn() const;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class GridDelegate;
    QTableWidgetItem* cellItem(Cell cell) const;
    QTableWidgetItem* newItem(int column) const;
    QString defaultText(int column) const;
    void storeCommitted(Cell cell, const QString& text);
    void editorOpened(QWidget* editor);
    void checkToggledByUser(Cell cell);
    void onHeaderClicked(int column);
    void applyColumnWidths();

    QList<Column> m_columns;
    GridDelegate* m_delegate;
    // The cell an editor just committed; afterEdit fires once that editor has closed.
    std::optional<Cell> m_pendingEdit;
    QPointer<QWidget> m_openEditor;
    Qt::SortOrder m_headerOrder = Qt::AscendingOrder;
};

} // namespace belvane
