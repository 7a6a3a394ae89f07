#include "support/Csv.h"

#include <gtest/gtest.h>

namespace belvane::test {

QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u';') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(record.isEmpty() && field.isEmpty()) << "the last record has no line end";
    return records;
}

QList<QStringList> parseCsvFile(const QByteArray& bytes)
{
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "no UTF-8 byte-order mark";
    return parseCsv(QString::fromUtf8(bytes.mid(3)));
}

} // namespace belvane::test
