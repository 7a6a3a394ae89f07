#pragma once
// The editors of the history grid: the status is chosen from its four words without typing, the
// negotiated value is a number in Brazilian form without spin buttons, the telephone and the
// project code are plain text.
#include <QStyledItemDelegate>

namespace belvane {

class HistoryDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace belvane
