#include "core/storage/FileLookup.h"

#include "StorageTestSupport.h"

namespace belvane::testing {
namespace {

using FileLookup = StorageFolderTest;

TEST_F(FileLookup, FindsFileWhateverTheCaseAsked)
{
    const QString stored = pathOf(QStringLiteral("Office.bvo"));
    put(stored, "x");

    for (const char* asked : {"Office.bvo", "OFFICE.BVO", "office.bvo", "oFFICE.bVO"})
        EXPECT_EQ(findFileIgnoringCase(m_dir.path(), QString::fromLatin1(asked)), stored) << asked;
}

TEST_F(FileLookup, FindsFileStoredInAnotherCase)
{
    put(pathOf(QStringLiteral("OFFICE.BVO")), "x");

    EXPECT_EQ(findFileIgnoringCase(m_dir.path(), QStringLiteral("Office.bvo")),
              pathOf(QStringLiteral("OFFICE.BVO")));
}

TEST_F(FileLookup, PrefersTheExactSpelling)
{
    put(pathOf(QStringLiteral("OFFICE.BVO")), "upper");
    put(pathOf(QStringLiteral("Office.bvo")), "exact");
    put(pathOf(QStringLiteral("office.bvo")), "lower");

    EXPECT_EQ(findFileIgnoringCase(m_dir.path(), QStringLiteral("Office.bvo")),
              pathOf(QStringLiteral("Office.bvo")));
    EXPECT_EQ(findFileIgnoringCase(m_dir.path(), QStringLiteral("office.bvo")),
              pathOf(QStringLiteral("office.bvo")));
}

TEST_F(FileLookup, FolderWithTrailingSlashGivesCleanPath)
{
    put(pathOf(QStringLiteral("Colors.bin")), "x");

    EXPECT_EQ(findFileIgnoringCase(m_dir.path() + u'/', QStringLiteral("colors.BIN")),
              pathOf(QStringLiteral("Colors.bin")));
}

TEST_F(FileLookup, FindsNothingForAbsentNamesFoldersAndPaths)
{
    put(pathOf(QStringLiteral("Office.bvo.bak")), "x");
    put(pathOf(QStringLiteral("Hist.bvh")), "x");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("office.bvo")));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Sub")));
    put(pathOf(QStringLiteral("Sub/Colors.bin")), "x");

    EXPECT_TRUE(findFileIgnoringCase(m_dir.path(), QStringLiteral("Office.bvo")).isEmpty());
    EXPECT_TRUE(findFileIgnoringCase(m_dir.path(), QStringLiteral("Office")).isEmpty());
    EXPECT_TRUE(findFileIgnoringCase(m_dir.path(), QString()).isEmpty());
    EXPECT_TRUE(findFileIgnoringCase(m_dir.path(), QStringLiteral("sub/colors.bin")).isEmpty());
    EXPECT_TRUE(findFileIgnoringCase(pathOf(QStringLiteral("Missing")), QStringLiteral("Hist.bvh"))
                    .isEmpty());
}

} // namespace
} // namespace belvane::testing
