#pragma once
// Where a document the program makes (a PDF, a spreadsheet, a backup) is saved: the user chooses,
// starting in the Documents folder with the name offered, and the name chosen always ends with
// the document's extension, so the file opens with the right program.
#include <QString>

class QWidget;

namespace belvane {

// Empty when the user cancelled. `extension` includes its dot (".pdf").
QString chooseExportPath(QWidget* parent, const QString& caption, const QString& offeredName,
                         const QString& filter, const QString& extension);

} // namespace belvane
