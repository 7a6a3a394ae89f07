#pragma once
// Drives an EditableGrid through its real editors, as a user does: open the cell's editor, type,
// press Enter or Escape, pick an item from a list. The grid's window must be shown.
#include "ui/widgets/CellLineEdit.h"
#include "ui/widgets/EditableGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QString>
#include <QTest>

namespace belvane::test {

// Editors that closed are deleted later; flush them so the open editor is the only one left.
void settleEditors();

// Opens the editor of a cell the way a double click does; nullptr when the cell has none.
template <class Editor>
Editor* openEditor(EditableGrid& grid, int column, int row)
{
    settleEditors();
    grid.setCurrentCell(row, column);
    grid.edit(grid.model()->index(row, column));
    return grid.viewport()->findChild<Editor*>(QString(), Qt::FindDirectChildrenOnly);
}

// Types text over the cell's content and presses a key to end the edit (Enter commits).
bool typeIntoCell(EditableGrid& grid, int column, int row, const QString& text, Qt::Key finish = Qt::Key_Return);

// Picks an item of a drop-down cell by typing it into the closed list and pressing Enter.
bool chooseInCell(EditableGrid& grid, int column, int row, const QString& item);

} // namespace belvane::test
