#pragma once
// A scratch projects folder for the history tests, with the clock pinned to a known moment, and
// quick ways to put files in it, read them back and spell history file bytes.
#include "core/storage/StorageFaults.h"
#include "core/text/Clock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace belvane::testing {

// The history file bytes of a text: the mark FF FE, then the text in UTF-16 little-endian.
inline QByteArray historyBytes(const QString& text, bool withMark = true)
{
    QByteArray bytes = withMark ? QByteArray("\xFF\xFE", 2) : QByteArray();
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size() * 2);
    qToLittleEndian<quint16>(text.utf16(), text.size(), bytes.data() + start);
    return bytes;
}

class HistoryFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Clock::setFixed(QDateTime(QDate(2026, 3, 9), QTime(14, 25, 1)));
    }
    void TearDown() override
    {
        StorageFaults::clear();
        Clock::setFixed({});
    }

    QString folder() const { return m_dir.path() + u'/'; }
    QString pathOf(const QString& name) const { return m_dir.filePath(name); }

    static void put(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "<unreadable>";
        return file.readAll();
    }

    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                            QDir::Name);
    }

    QTemporaryDir m_dir;
};

} // namespace belvane::testing
