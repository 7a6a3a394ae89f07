#pragma once
// The editors of an EditableGrid, one kind per column: a line edit with the column's input rules
// for text and numbers, a closed list for drop-down columns, and check boxes toggled in place.
// Every committed value goes back through the grid, which decides what the cell stores and
// announces the user's edit once the editor has closed.
#include <QStyledItemDelegate>

namespace belvane {

class EditableGrid;

class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(EditableGrid& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    QWidget* createListEditor(QWidget* parent, int column) const;
    QWidget* createLineEditor(QWidget* parent, int column) const;

    EditableGrid& m_grid;
};

} // namespace belvane
