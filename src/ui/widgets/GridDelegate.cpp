#include "ui/widgets/GridDelegate.h"

#include "ui/widgets/CellLineEdit.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/InputHint.h"
#include "ui/widgets/TextCapacityLimit.h"
#include "ui/widgets/TypedItemPicker.h"

#include <QComboBox>
#include <QRegularExpressionValidator>

namespace belvane {
namespace {

using Kind = EditableGrid::Kind;

// What the line edit lets the user type. The grid checks the text again when it is committed,
// so these only keep impossible characters out while typing.
QValidator* validatorFor(const EditableGrid::Column& column, QObject* parent)
{
    switch (column.kind) {
    case Kind::Number:
        // Brazilian form: optional sign, digits with thousands dots, one decimal comma.
        return new QRegularExpressionValidator(
            QRegularExpression(column.negativeAllowed ? QStringLiteral("-?[0-9.]*(,[0-9]*)?")
                                                      : QStringLiteral("[0-9.]*(,[0-9]*)?")),
            parent);
    case Kind::Integer:
        return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), parent);
    default:
        return nullptr;
    }
}

} // namespace

GridDelegate::GridDelegate(EditableGrid& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const
{
    const EditableGrid::Column& column = m_grid.column(index.column());
    if (!column.editable || column.kind == Kind::CheckBox)
        return nullptr;
    QWidget* editor = column.kind == Kind::DropDown ? createListEditor(parent, index.column())
                                                    : createLineEditor(parent, index.column());
    m_grid.editorOpened(editor);
    return editor;
}

QWidget* GridDelegate::createLineEditor(QWidget* parent, int column) const
{
    const EditableGrid::Column& rules = m_grid.column(column);
    auto* edit = new CellLineEdit(rules.pasteAllowed, parent);
    if (QValidator* validator = validatorFor(rules, edit))
        edit->setValidator(validator);
    if (rules.kind == Kind::Text && rules.maxLength > 0)
        limitToCapacity(edit, rules.maxLength);
    if (rules.kind != Kind::Text)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A refused key (a minus sign, a letter) says what the cell takes instead of doing nothing.
    if (rules.kind == Kind::Number) {
        const QString hint = rules.negativeAllowed ? QStringLiteral("Digite um número, como 1.500,00.")
                                                   : QStringLiteral("Digite um valor positivo, como 1.500,00.");
        connect(edit, &QLineEdit::inputRejected, edit, [edit, hint] { showInputHint(edit, hint); });
    }
    return edit;
}

QWidget* GridDelegate::createListEditor(QWidget* parent, int column) const
{
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->addItems(m_grid.column(column).items);
    new TypedItemPicker(list);
    // Choosing an item in the open list, or stepping to one with the arrows, is the whole edit:
    // commit it and close the list at once. Typed keys only pick (see TypedItemPicker).
    connect(list, &QComboBox::activated, this, [this, list] {
        auto* self = const_cast<GridDelegate*>(this);
        emit self->commitData(list);
        emit self->closeEditor(list, QAbstractItemDelegate::NoHint);
    });
    return list;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = m_grid.cellText({index.row(), index.column()});
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(list->findText(text));
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->setText(text);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    QString typed;
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (list->currentIndex() < 0)
            return;
        typed = list->currentText();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        typed = edit->text();
    } else {
        return;
    }
    if (const auto text = m_grid.committedText(index.column(), typed))
        m_grid.storeCommitted({index.row(), index.column()}, *text);
}

void GridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    const EditableGrid::Column& column = m_grid.column(index.column());
    if (column.kind != Kind::CheckBox || !column.editable)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const QVariant before = index.data(Qt::CheckStateRole);
    const bool handled = QStyledItemDelegate::editorEvent(event, model, option, index);
    if (index.data(Qt::CheckStateRole) != before)
        m_grid.checkToggledByUser({index.row(), index.column()});
    return handled;
}

} // namespace belvane
