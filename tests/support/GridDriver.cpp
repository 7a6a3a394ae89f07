#include "support/GridDriver.h"

#include "support/Typing.h"

#include <QCoreApplication>
#include <QTest>

namespace belvane::test {

void settleEditors()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool typeIntoCell(EditableGrid& grid, int column, int row, const QString& text, Qt::Key finish)
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

bool chooseInCell(EditableGrid& grid, int column, int row, const QString& item)
{
    auto* list = openEditor<QComboBox>(grid, column, row);
    if (!list || item.isEmpty())
        return false;
    typeText(list, item);
    QTest::keyClick(list, Qt::Key_Return);
    settleEditors();
    return grid.cellText({row, column}) == item;
}

} // namespace belvane::test
