#include "core/storage/FileLookup.h"

#include "support/TestFolder.h"

#include <QDir>

namespace belvane::test {
namespace {

using FileLookup = TestFolder;

TEST_F(FileLookup, FindsFileWhateverTheCaseAsked)
{
    const QString stored = pathOf(QStringLiteral("Office.bvo"));
    writeFile(stored, "x");

    for (const char* asked : {"Office.bvo", "OFFICE.BVO", "office.bvo", "oFFICE.bVO"})
        EXPECT_EQ(findFileIgnoringCase(m_dir.path(), QString::fromLatin1(asked)), stored) << asked;
}

TEST_F(FileLookup, FindsFileStoredInAnotherCase)
{
    writeFile(pathOf(QStringLiteral("OFFICE.BVO")), "x");

    EXPECT_EQ(findFileIgnoringCase(m_dir.path(), QStringLiteral("Office.bvo")),
              pathOf(QStringLiteral("OFFICE.BVO")));
}

TEST_F(FileLookup, PrefersTheExactSpelling)
{
    writeFile(pathOf(QStringLiteral("OFFICE.BVO")), "upper");
    writeFile(pathOf(QStringLiteral("Office.bvo")), "exact");
    writeFile(pathOf(QStringLiteral("office.bvo")), "lower");

    EXPECT_EQ(findFileIgnoringCase(m_dir.path(), QStringLiteral("Office.bvo")),
              pathOf(QStringLiteral("Office.bvo")));
    EXPECT_EQ(findFileIgnoringCase(m_dir.path(), QStringLiteral("office.bvo")),
              pathOf(QStringLiteral("office.bvo")));
}

TEST_F(FileLookup, FolderWithTrailingSlashGivesCleanPath)
{
    writeFile(pathOf(QStringLiteral("Colors.bin")), "x");

    EXPECT_EQ(findFileIgnoringCase(m_dir.path() + u'/', QStringLiteral("colors.BIN")),
              pathOf(QStringLiteral("Colors.bin")));
}

TEST_F(FileLookup, FindsNothingForAbsentNamesFoldersAndPaths)
{
    writeFile(pathOf(QStringLiteral("Office.bvo.bak")), "x");
    writeFile(pathOf(QStringLiteral("Hist.bvh")), "x");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("office.bvo")));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Sub")));
    writeFile(pathOf(QStringLiteral("Sub/Colors.bin")), "x");

    EXPECT_TRUE(findFileIgnoringCase(m_dir.path(), QStringLiteral("Office.bvo")).isEmpty());
    EXPECT_TRUE(findFileIgnoringCase(m_dir.path(), QStringLiteral("Office")).isEmpty());
    EXPECT_TRUE(findFileIgnoringCase(m_dir.path(), QString()).isEmpty());
    EXPECT_TRUE(findFileIgnoringCase(m_dir.path(), QStringLiteral("sub/colors.bin")).isEmpty());
    EXPECT_TRUE(findFileIgnoringCase(pathOf(QStringLiteral("Missing")), QStringLiteral("Hist.bvh"))
                    .isEmpty());
}

} // namespace
} // namespace belvane::test
