#include "core/storage/DataFolders.h"

#include "support/TestFolder.h"

#include <QFileInfo>

namespace belvane::test {
namespace {

using DataFoldersTest = TestFolder;

TEST(DataFolders, PathsSitBesideTheProgramFolder)
{
    const DataFolders withSlash = DataFolders::beside(QStringLiteral("/opt/belvane/"));
    EXPECT_EQ(withSlash.appDir, QStringLiteral("/opt/belvane/"));
    EXPECT_EQ(withSlash.projectsDir, QStringLiteral("/opt/belvane/Projetos/"));
    EXPECT_EQ(withSlash.officeDir, QStringLiteral("/opt/belvane/Escrt/"));

    const DataFolders withoutSlash = DataFolders::beside(QStringLiteral("/opt/belvane"));
    EXPECT_EQ(withoutSlash.appDir, QStringLiteral("/opt/belvane/"));
    EXPECT_EQ(withoutSlash.projectsDir, QStringLiteral("/opt/belvane/Projetos/"));
    EXPECT_EQ(withoutSlash.officeDir, QStringLiteral("/opt/belvane/Escrt/"));
}

TEST_F(DataFoldersTest, CreateMakesBothFoldersWithParentsAndCanRepeat)
{
    const DataFolders folders = DataFolders::beside(pathOf(QStringLiteral("install/bin")));

    ASSERT_TRUE(folders.create());
    EXPECT_TRUE(QFileInfo(folders.projectsDir).isDir());
    EXPECT_TRUE(QFileInfo(folders.officeDir).isDir());
    EXPECT_TRUE(folders.create());
}

TEST_F(DataFoldersTest, CreateReportsFolderThatCannotBeMadeButMakesTheOther)
{
    const DataFolders folders = DataFolders::beside(m_dir.path());
    writeFile(pathOf(QStringLiteral("Projetos")), "a file where the folder should be");

    EXPECT_FALSE(folders.create());
    EXPECT_TRUE(QFileInfo(folders.officeDir).isDir());
}

} // namespace
} // namespace belvane::test
