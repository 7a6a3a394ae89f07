#pragma once
// Text fields of the office and budget files are single-byte Windows-1252 (the code page of
// Portuguese Windows systems, where the files were born). These two functions convert between
// that code page and Unicode; a character the code page cannot hold is stored as '?'.
#include <QByteArray>
#include <QString>

namespace belvane {

QString fromWindows1252(const char* bytes, int length);
QByteArray toWindows1252(QStringView text);

} // namespace belvane
