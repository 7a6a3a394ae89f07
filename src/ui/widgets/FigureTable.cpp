#include "ui/widgets/FigureTable.h"

#include <QHeaderView>
#include <QTableWidget>

namespace belvane {

QTableWidget* figureTable(const char* objectName, const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, int(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(objectName));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

} // namespace belvane
