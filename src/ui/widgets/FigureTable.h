#pragma once
// A small read-only table of figures with a caption per column and no row numbers, sized to its
// texts: what the report and statistics panels list their versions, rates and reasons in.
#include <QStringList>

class QTableWidget;
class QWidget;

namespace belvane {

QTableWidget* figureTable(const char* objectName, const QStringList& headers, QWidget* parent);

} // namespace belvane
