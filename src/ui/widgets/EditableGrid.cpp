#include "ui/widgets/EditableGrid.h"

#include "core/text/NumberFormat.h"
#include "core/text/TypedNumber.h"
#include "ui/widgets/GridDelegate.h"

#include <QCollator>
#include <QHeaderView>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace belvane {
namespace {

using Kind = EditableGrid::Kind;

bool isNumeric(Kind kind)
{
    return kind == Kind::Number || kind == Kind::Integer;
}

std::optional<double> numberOf(const QString& text)
{
    return parseTypedNumber(text);
}

} // namespace

EditableGrid::EditableGrid(const QString& objectName, const QList<Column>& columns, QWidget* parent)
    : QTableWidget(0, int(columns.size()), parent), m_columns(columns), m_delegate(new GridDelegate(*this))
{
    setObjectName(objectName);
    setItemDelegate(m_delegate);
    QStringList headers;
    for (const Column& c : m_columns)
        headers << c.header;
    setHorizontalHeaderLabels(headers);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setHighlightSections(false);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    for (int i = 0; i < int(m_columns.size()); ++i)
        setColumnHidden(i, m_columns[i].hidden);
    applyColumnWidths();
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &EditableGrid::onHeaderClicked);
}

void EditableGrid::applyColumnWidths()
{
    QHeaderView* header = horizontalHeader();
    for (int i = 0; i < int(m_columns.size()); ++i) {
        if (m_columns[i].width > 0) {
            header->setSectionResizeMode(i, QHeaderView::Interactive);
            header->resizeSection(i, m_columns[i].width);
        } else {
            header->setSectionResizeMode(i, QHeaderView::Stretch);
        }
    }
}

QTableWidgetItem* EditableGrid::newItem(int column) const
{
    const Column& c = m_columns[column];
    auto* cell = new QTableWidgetItem;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (c.kind == Kind::CheckBox) {
        if (c.editable)
            flags |= Qt::ItemIsUserCheckable;
        cell->setCheckState(Qt::Unchecked);
    } else if (c.editable) {
        flags |= Qt::ItemIsEditable;
    }
    cell->setFlags(flags);
    if (c.alignment)
        cell->setTextAlignment(c.alignment);
    else if (isNumeric(c.kind))
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    else if (c.kind == Kind::CheckBox)
        cell->setTextAlignment(Qt::AlignCenter);
    else
        cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cell->setText(defaultText(column));
    return cell;
}

QString EditableGrid::defaultText(int column) const
{
    const Column& c = m_columns[column];
    if (c.kind == Kind::Number)
        return c.pattern.isEmpty() ? formatGeneral(0.0) : formatNumber(0.0, c.pattern);
    if (c.kind == Kind::Integer)
        return QStringLiteral("0");
    return {};
}

QTableWidgetItem* EditableGrid::cellItem(Cell cell) const
{
    const auto [row, column] = cell;
    if (row < 0 || row >= rowCount() || column < 0 || column >= int(m_columns.size()))
        return nullptr;
    return item(row, column);
}

QString EditableGrid::cellText(Cell cell) const
{
    const QTableWidgetItem* item = cellItem(cell);
    return item ? item->text() : QString();
}

void EditableGrid::setCellText(Cell cell, const QString& text)
{
    if (QTableWidgetItem* item = cellItem(cell))
        item->setText(text);
}

std::optional<double> EditableGrid::cellNumber(Cell cell) const
{
    return numberOf(cellText(cell));
}

void EditableGrid::setCellNumber(Cell cell, double value)
{
    const Column& c = m_columns[cell.column];
    if (c.kind == Kind::Integer)
        setCellText(cell, QString::number(qRound64(value)));
    else
        setCellText(cell, c.pattern.isEmpty() ? formatGeneral(value) : formatNumber(value, c.pattern));
}

bool EditableGrid::cellChecked(Cell cell) const
{
    const QTableWidgetItem* item = cellItem(cell);
    return item && item->checkState() == Qt::Checked;
}

void EditableGrid::setCellChecked(Cell cell, bool checked)
{
    if (QTableWidgetItem* item = cellItem(cell))
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void EditableGrid::clearRow(int row)
{
    for (int c = 0; c < int(m_columns.size()); ++c) {
        setCellText({row, c}, defaultText(c));
        if (m_columns[c].kind == Kind::CheckBox)
            setCellChecked({row, c}, false);
    }
}

int EditableGrid::appendRow()
{
    const int row = rowCount();
    insertRow(row);
    for (int c = 0; c < int(m_columns.size()); ++c)
        setItem(row, c, newItem(c));
    return row;
}

void EditableGrid::removeAllRows()
{
    m_pendingEdit.reset();
    setRowCount(0);
}

void EditableGrid::setColumnItems(int column, const QStringList& items)
{
    m_columns[column].items = items;
}

QStringList EditableGrid::columnItems(int column) const
{
    return m_columns[column].items;
}

int EditableGrid::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return -1;
    const int current = currentRow();
    for (const QModelIndex& index : selected) {
        if (index.row() == current)
            return current;
    }
    return selected.first().row();
}

void EditableGrid::clearRowSelection()
{
    clearSelection();
    setCurrentIndex(QModelIndex());
}

std::optional<QString> EditableGrid::committedText(int column, const QString& typed) const
{
    if (column < 0 || column >= int(m_columns.size()) || !m_columns[column].editable)
        return std::nullopt;
    const Column& c = m_columns[column];
    switch (c.kind) {
    case Kind::Text:
        return c.maxLength > 0 ? typed.left(c.maxLength) : typed;
    case Kind::Number: {
        if (typed.trimmed().isEmpty())
            return defaultText(column);
        const std::optional<double> value = numberOf(typed);
        if (!value || (!c.negativeAllowed && *value < 0.0) || (c.numberMaximum && *value > *c.numberMaximum))
            return std::nullopt;
        return c.pattern.isEmpty() ? formatGeneral(*value) : formatNumber(*value, c.pattern);
    }
    case Kind::Integer: {
        const QString digits = typed.trimmed();
        if (digits.isEmpty())
            return defaultText(column);
        bool ok = false;
        const qlonglong value = digits.toLongLong(&ok);
        if (!ok || value < 0 || value > c.maximum || digits.contains(QLatin1Char('+')))
            return std::nullopt;
        return QString::number(value);
    }
    case Kind::DropDown:
        return c.items.contains(typed) ? std::optional<QString>(typed) : std::nullopt;
    case Kind::CheckBox:
        if (typed == QLatin1String("1") || typed == QLatin1String("0"))
            return typed;
        return std::nullopt;
    }
    return std::nullopt;
}

void EditableGrid::storeCommitted(Cell cell, const QString& text)
{
    const auto [row, column] = cell;
    if (!cellItem({row, column}))
        return;
    if (m_columns[column].kind == Kind::CheckBox)
        setCellChecked({row, column}, text == QLatin1String("1"));
    else
        setCellText({row, column}, text);
    m_pendingEdit = cell;
}

bool EditableGrid::userEdit(Cell cell, const QString& text)
{
    const auto [row, column] = cell;
    const std::optional<QString> committed = committedText(column, text);
    if (!committed || !cellItem({row, column}))
        return false;
    storeCommitted(cell, *committed);
    m_pendingEdit.reset();
    emit afterEdit(cell);
    return true;
}

void EditableGrid::editorOpened(QWidget* editor)
{
    m_openEditor = editor;
}

void EditableGrid::commitOpenEditor()
{
    if (!isEditing() || !m_openEditor)
        return;
    QWidget* editor = m_openEditor;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool EditableGrid::focusNextPrevChild(bool next)
{
    const QModelIndex current = currentIndex();
    const bool atEnd = !current.isValid() || rowCount() == 0
                       || (next ? current.row() == rowCount() - 1 && current.column() == lastTabColumn()
                                : current.row() == 0 && current.column() == firstTabColumn());
    if (atEnd && state() != QAbstractItemView::EditingState)
        return QWidget::focusNextPrevChild(next);
    return QTableWidget::focusNextPrevChild(next);
}

int EditableGrid::firstTabColumn() const
{
    for (int column = 0; column < columnCount(); ++column)
        if (!isColumnHidden(column))
            return column;
    return 0;
}

int EditableGrid::lastTabColumn() const
{
    for (int column = columnCount() - 1; column >= 0; --column)
        if (!isColumnHidden(column))
            return column;
    return 0;
}

void EditableGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableWidget::closeEditor(editor, hint);
    // Announced only now, so a handler that removes the row or asks a question finds the editor
    // gone; an editor closed with Escape committed nothing and announces nothing.
    if (const std::optional<Cell> edited = std::exchange(m_pendingEdit, std::nullopt))
        emit afterEdit(*edited);
}

void EditableGrid::checkToggledByUser(Cell cell)
{
    emit afterEdit(cell);
}

void EditableGrid::sortRows(int column, Qt::SortOrder order)
{
    const int rows = rowCount();
    std::vector<int> rowsInOrder(static_cast<std::size_t>(rows));
    std::iota(rowsInOrder.begin(), rowsInOrder.end(), 0);
    const bool numeric = isNumeric(m_columns[column].kind);
    QCollator collator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto less = [&](int a, int b) {
        if (numeric) {
            // A cell that holds no number sorts below every number.
            const double lowest = -std::numeric_limits<double>::infinity();
            return cellNumber({a, column}).value_or(lowest) < cellNumber({b, column}).value_or(lowest);
        }
        return collator.compare(cellText({a, column}), cellText({b, column})) < 0;
    };
    if (order == Qt::AscendingOrder)
        std::stable_sort(rowsInOrder.begin(), rowsInOrder.end(), less);
    else
        std::stable_sort(rowsInOrder.begin(), rowsInOrder.end(), [&](int a, int b) { return less(b, a); });

    std::vector<QList<QTableWidgetItem*>> taken(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < int(m_columns.size()); ++c)
            taken[static_cast<std::size_t>(r)] << takeItem(r, c);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < int(m_columns.size()); ++c)
            setItem(r, c, taken[static_cast<std::size_t>(rowsInOrder[static_cast<std::size_t>(r)])][c]);
}

void EditableGrid::onHeaderClicked(int column)
{
    if (column < 0 || column >= int(m_columns.size()) || !m_columns[column].sortable)
        return;
    // The first click puts the largest value (or the last name) on top.
    m_headerOrder = m_headerOrder == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder;
    if (rowCount() == 0)
        return;
    sortRows(column, m_headerOrder);
}

} // namespace belvane
