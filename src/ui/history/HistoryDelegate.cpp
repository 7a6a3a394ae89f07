#include "ui/history/HistoryDelegate.h"

#include "core/budget/TextFieldCapacities.h"
#include "core/history/HistoryColumns.h"
#include "core/text/NumberFormat.h"
#include "ui/widgets/NumberEdit.h"
#include "ui/widgets/TextCapacityLimit.h"

#include <QComboBox>
#include <QLineEdit>

namespace belvane {

QWidget* HistoryDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    if (index.column() == kColStatus) {
        auto* combo = new QComboBox(parent);
        combo->addItems(historyStatusChoices());
        return combo;
    }
    if (index.column() == kColNegotiated)
        return new NumberEdit(QStringLiteral("NegociadoEdit"), QStringLiteral("0.00"), parent);
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    // The phone and the project code are written back into the budget's file at the close.
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (index.column() == kColPhone)
            limitToCapacity(edit, textCapacity::kClientPhone);
        else if (index.column() == kColProjectCode)
            limitToCapacity(edit, textCapacity::kProjectCode);
    }
    return editor;
}

void HistoryDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // A status the list does not offer ("Editado") shows no choice until the user picks one.
        combo->setCurrentIndex(combo->findText(text));
        return;
    }
    if (auto* number = qobject_cast<NumberEdit*>(editor)) {
        number->setValue(parseNumber(text).value_or(0.0));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void HistoryDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->currentIndex() >= 0)
            model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    if (auto* number = qobject_cast<NumberEdit*>(editor)) {
        number->interpretText();
        model->setData(index, formatGeneral(number->value()), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace belvane
