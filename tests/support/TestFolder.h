#pragma once
// A test on a scratch folder of its own, removed afterwards; the file helpers put files in it and
// read them back. Whatever failure a test made the storage meet is cleared at the end.
#include "support/Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace belvane::test {

class TestFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder's path ending in '/', the way the program keeps its data folders.
    QString folder() const { return m_dir.path() + u'/'; }
    QString pathOf(const QString& name) const { return m_dir.filePath(name); }
    QStringList entries() const { return entriesOf(m_dir.path()); }

    QTemporaryDir m_dir;
};

} // namespace belvane::test
