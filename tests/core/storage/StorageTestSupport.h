#pragma once
// Shared helpers for the storage tests: a scratch folder that is removed afterwards, and quick
// ways to put a file in it and to see everything the folder holds.
#include "core/storage/StorageFaults.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace belvane::testing {

class StorageFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    void TearDown() override { StorageFaults::clear(); }

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

    // Hidden files included: a left-over temporary file must not escape notice.
    static QStringList entriesOf(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                          | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

    QStringList entries() const { return entriesOf(m_dir.path()); }

    // The superuser reads and writes whatever the permissions say, so denial cannot be shown.
    static bool runningAsRoot()
    {
#ifdef Q_OS_UNIX
        return ::geteuid() == 0;
#else
        return false;
#endif
    }

    QTemporaryDir m_dir;
};

inline QString quotedNative(const QString& path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

} // namespace belvane::testing
