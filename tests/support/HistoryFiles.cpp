#include "support/HistoryFiles.h"

#include "core/history/HistoryFile.h"
#include "core/text/Clock.h"

#include <QtEndian>

namespace belvane::test {

QByteArray historyBytes(const QString& text, bool withMark)
{
    QByteArray bytes = withMark ? QByteArray("\xFF\xFE", 2) : QByteArray();
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size() * 2);
    qToLittleEndian<quint16>(text.utf16(), text.size(), bytes.data() + start);
    return bytes;
}

QString historyTextOf(const QByteArray& bytes)
{
    const QByteArray body = bytes.mid(2);
    QString text(body.size() / 2, Qt::Uninitialized);
    qFromLittleEndian<quint16>(body.constData(), text.size(), text.data());
    return text;
}

HistoryRead readHistoryBytes(const QByteArray& bytes, const QString& path)
{
    HistoryRead read;
    read.result = ReadHistoryFile(read.table, bytes, path);
    return read;
}

void HistoryFolderTest::SetUp()
{
    TestFolder::SetUp();
    Clock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(14, 25, 1)));
}

void HistoryFolderTest::TearDown()
{
    Clock::setFixed({});
    TestFolder::TearDown();
}

} // namespace belvane::test
