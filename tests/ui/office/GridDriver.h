#pragma once
// Drives an EditableGrid through its real editors, as a user does: open the cell's editor, type,
// press Enter or Escape, pick an item from a list. The grid's window must be shown.
#include "ui/widgets/CellLineEdit.h"
#include "ui/widgets/EditableGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTest>

namespace belvane::test {

// Editors that closed are deleted later; flush them so the open editor is the only one left.
inline void settleEditors()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Types text key by key; letters outside ASCII (ç, ã, É) arrive as the keyboard delivers them,
// as text on a key without a code.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

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
inline bool typeIntoCell(EditableGrid& grid, int column, int row, const QString& text,
                         Qt::Key finish = Qt::Key_Return)
{
    auto* editor = openEditor<CellLineEdit>(grid, column, row);
    if (!editor)
        return false;
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    typeText(editor, text);
    QTest::keyClick(editor, finish);
    settleEditors();
    return true;
}

// Picks an item of a drop-down cell by typing it into the closed list and pressing Enter.
inline bool chooseInCell(EditableGrid& grid, int column, int row, const QString& item)
{
    auto* list = openEditor<QComboBox>(grid, column, row);
    if (!list || item.isEmpty())
        return false;
    typeText(list, item);
    QTest::keyClick(list, Qt::Key_Return);
    settleEditors();
    return grid.cellText(column, row) == item;
}

} // namespace belvane::test
