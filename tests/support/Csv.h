#pragma once
// The exported history read back as a spreadsheet reads it: ';' between fields, fields in double
// quotes may hold ';', line breaks and doubled quotes, records end in CR LF.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace belvane::test {

// The records of the text; a last record without its line end fails the test.
QList<QStringList> parseCsv(const QString& text);

// The records of a file's bytes, which must begin with the UTF-8 byte-order mark.
QList<QStringList> parseCsvFile(const QByteArray& bytes);

} // namespace belvane::test
