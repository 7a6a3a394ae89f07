#include "core/backup/DataBackup.h"
#include "core/backup/DataRestore.h"

#include "support/Files.h"
#include "support/TestFolder.h"
#include "support/ZipBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace belvane;
using namespace belvane::test;

namespace {

using Tree = FolderPicture;  // relative path -> bytes; folders end in '/'

class DataBackupTest : public TestFolder {
protected:
    DataFolders folders() const { return DataFolders::beside(folder()); }
    QString archive() const { return folder() + QStringLiteral("Belvane-2026-12-09.zip"); }

    void put(const QString& relative, const QByteArray& bytes) const
    {
        const QString path = folder() + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeFile(path, bytes);
    }

    // Both data folders, their files with their bytes and their folders, hidden ones included.
    Tree dataTree() const { return pictureOfDataFolders(folder(), WithFolders::Yes); }

    void putSampleData() const
    {
        QByteArray office(1024, '\0');
        for (int i = 0; i < office.size(); ++i)
            office[i] = char(255 - i % 251);
        put(QStringLiteral("Escrt/Office.bvo"), office);
        put(QStringLiteral("Escrt/Colors.bin"), QByteArray("\x00\x01\xff\xfe", 4));
        put(QStringLiteral("Projetos/ORC000001.bvp"), QByteArray(700, '\x7f'));
        put(QStringLiteral("Projetos/Hist.bvh"), QByteArray("\xff\xfe" "1\x00", 4));
        put(QStringLiteral("Projetos/Control.bin"), QByteArray());
        put(QStringLiteral("Projetos/Anexos/Planta térrea.txt"), QByteArray("área útil"));
        QDir().mkpath(folder() + QStringLiteral("Projetos/Vazia"));
    }

    const QDateTime m_moment{QDate(2026, 12, 9), QTime(10, 30)};
};

} // namespace

TEST(DataBackupNames, OfferedAndKeptNamesCarryTheDate)
{
    EXPECT_EQ(backupFileName(QDate(2026, 1, 5)), QStringLiteral("Belvane-2026-01-05.zip"));
    const QDateTime moment(QDate(2026, 12, 9), QTime(8, 5, 59));
    EXPECT_EQ(keptFolderName(QStringLiteral("Escrt"), moment), QStringLiteral("Escrt (antes da restauração 2026-12-09 08-05)"));
    EXPECT_EQ(keptFolderName(QStringLiteral("Projetos"), moment, 3),
              QStringLiteral("Projetos (antes da restauração 2026-12-09 08-05, 3)"));
}

TEST(DataBackupNames, OnlyPlainPathsInsideTheDataFoldersMayBeUnpacked)
{
    for (const char* safe : {"Escrt/", "Projetos/", "Escrt/Office.bvo", "Projetos/ORC000001.bvp",
                             "Projetos/Anexos/Planta térrea.txt", "Projetos/Anexos/", "Projetos/.oculto"}) {
        EXPECT_TRUE(isSafeBackupEntryName(QString::fromUtf8(safe))) << safe;
    }
    for (const char* unsafe : {"", "/", "Escrt", "Projetos", "Outros/x", "escrt/Office.bvo", "/Escrt/Office.bvo",
                               "/etc/passwd", "Escrt/../../etc/passwd", "Projetos/../Escrt/x", "Projetos/./x",
                               "Projetos//x", "Projetos/..", "Escrt\\..\\x", "C:/Escrt/x", "Escrt/C:x",
                               "Projetos/a\nb", "../Projetos/x", "Office.bvo"}) {
        EXPECT_FALSE(isSafeBackupEntryName(QString::fromUtf8(unsafe))) << unsafe;
    }
}

TEST_F(DataBackupTest, RestoredDataAreByteIdenticalAndThePreviousOnesAreKept)
{
    putSampleData();
    const Tree backedUp = dataTree();
    ASSERT_TRUE(writeDataBackup(folders(), archive()).ok());

    // The data move on after the backup: a file changes, one is deleted, one is added.
    put(QStringLiteral("Escrt/Office.bvo"), QByteArray("outro escritório"));
    QFile::remove(folder() + QStringLiteral("Projetos/ORC000001.bvp"));
    put(QStringLiteral("Projetos/ORC000002.bvp"), QByteArray(10, 'x'));
    const Tree later = dataTree();

    const BackupContents backup = readDataBackup(archive());
    ASSERT_TRUE(backup.ok()) << backup.error.toStdString();
    const RestoreOutcome restored = restoreDataBackup(folders(), backup.entries, m_moment);
    ASSERT_TRUE(restored.ok()) << restored.error.toStdString();

    EXPECT_EQ(dataTree(), backedUp);
    const QString keptOffice = folder() + QStringLiteral("Escrt (antes da restauração 2026-12-09 10-30)");
    const QString keptProjects = folder() + QStringLiteral("Projetos (antes da restauração 2026-12-09 10-30)");
    EXPECT_EQ(restored.keptFolders, (QStringList{keptOffice, keptProjects}));
    Tree kept;
    for (const auto& [folder, name] : {std::pair{keptOffice, QStringLiteral("Escrt/")},
                                       std::pair{keptProjects, QStringLiteral("Projetos/")}}) {
        for (const auto& [path, contents] : pictureOf(folder, WithFolders::Yes))
            kept[name + path] = contents;
    }
    EXPECT_EQ(kept, later);
    // No working folder is left behind.
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 5);
}

TEST_F(DataBackupTest, TheDatabaseIsTakenThroughItsCopyAndItsJournalLeftOut)
{
    putSampleData();
    put(QStringLiteral("Projetos/Belvane.db"), QByteArray("meio de uma transação"));
    put(QStringLiteral("Projetos/Belvane.db-journal"), QByteArray("diário"));
    const auto copy = [](const QString& path) {
        EXPECT_TRUE(path.endsWith(QStringLiteral("Projetos/Belvane.db")));
        return ReadOutcome{ReadOutcome::State::Ok, QByteArray("um momento só"), {}};
    };
    ASSERT_TRUE(writeDataBackup(folders(), archive(), copy).ok());
    std::map<QString, QByteArray> archived;
    for (const ZipEntry& entry : readDataBackup(archive()).entries)
        archived[entry.name] = entry.data;
    EXPECT_EQ(archived[QStringLiteral("Projetos/Belvane.db")], QByteArray("um momento só"));
    EXPECT_FALSE(archived.count(QStringLiteral("Projetos/Belvane.db-journal")));
    EXPECT_EQ(archived[QStringLiteral("Projetos/ORC000001.bvp")], QByteArray(700, '\x7f'));
}

TEST_F(DataBackupTest, SecondRestoreInTheSameMinuteKeepsBothEarlierStates)
{
    putSampleData();
    ASSERT_TRUE(writeDataBackup(folders(), archive()).ok());
    const BackupContents backup = readDataBackup(archive());
    ASSERT_TRUE(restoreDataBackup(folders(), backup.entries, m_moment).ok());
    const RestoreOutcome second = restoreDataBackup(folders(), backup.entries, m_moment);

    ASSERT_TRUE(second.ok()) << second.error.toStdString();
    EXPECT_TRUE(second.keptFolders.first().endsWith(QStringLiteral("10-30, 2)")));
    EXPECT_TRUE(QFileInfo(folder() + QStringLiteral("Escrt (antes da restauração 2026-12-09 10-30)")).isDir());
}

TEST_F(DataBackupTest, DataNeverSavedGiveAnArchiveWithTheEmptyFolders)
{
    ASSERT_TRUE(writeDataBackup(folders(), archive()).ok());  // neither folder exists yet
    folders().create();
    ASSERT_TRUE(writeDataBackup(folders(), archive()).ok());
    const BackupContents backup = readDataBackup(archive());
    ASSERT_TRUE(backup.ok()) << backup.error.toStdString();
    ASSERT_EQ(backup.entries.size(), 2u);
    EXPECT_EQ(backup.entries[0].name, QStringLiteral("Escrt/"));
    EXPECT_EQ(backup.entries[1].name, QStringLiteral("Projetos/"));
}

TEST_F(DataBackupTest, DataFolderGivenRelativeToTheWorkingFolderGivesTheSameNames)
{
    put(QStringLiteral("Escrt/Office.bvo"), QByteArray("abc"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder()));
    const IoResult written = writeDataBackup(DataFolders::beside(QStringLiteral(".")), archive());
    QDir::setCurrent(previous);
    ASSERT_TRUE(written.ok()) << written.error.toStdString();

    const BackupContents backup = readDataBackup(archive());
    ASSERT_TRUE(backup.ok()) << backup.error.toStdString();
    QStringList names;
    for (const ZipEntry& entry : backup.entries)
        names << entry.name;
    EXPECT_EQ(names, (QStringList{u"Escrt/"_qs, u"Escrt/Office.bvo"_qs}));
}

TEST_F(DataBackupTest, ArchiveInsideADataFolderIsRefused)
{
    putSampleData();
    const QString inside = folder() + QStringLiteral("Projetos/Anexos/copia.zip");
    const IoResult written = writeDataBackup(folders(), inside);

    EXPECT_FALSE(written.ok());
    EXPECT_TRUE(written.error.contains(QDir::toNativeSeparators(inside))) << written.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(inside));
}

TEST_F(DataBackupTest, HostileOrForeignArchivesAreRefusedNamingTheFileAndNothingIsWritten)
{
    putSampleData();
    const Tree before = dataTree();
    const QDateTime when = m_moment;
    const struct { const char* what; QByteArray bytes; const char* reason; } cases[] = {
        {"climbs out", zipOf({{QStringLiteral("Projetos/../../fora.txt"), "x", when}}), "fora das pastas"},
        {"absolute", zipOf({{QStringLiteral("/tmp/fora.txt"), "x", when}}), "fora das pastas"},
        {"other folder", zipOf({{QStringLiteral("Escrt/Office.bvo"), "x", when}, {QStringLiteral("Documentos/a.txt"), "y", when}}),
         "fora das pastas"},
        {"twice", zipOf({{QStringLiteral("Escrt/Office.bvo"), "x", when}, {QStringLiteral("Escrt/office.bvo"), "y", when}}),
         "duas vezes"},
        {"empty archive", zipOf({}), "vazio"},
        {"not an archive", QByteArray("isto não é um zip"), "não é um arquivo ZIP"},
    };
    for (const auto& c : cases) {
        QFile file(archive());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const BackupContents backup = readDataBackup(archive());
        EXPECT_FALSE(backup.ok()) << c.what;
        EXPECT_TRUE(backup.entries.empty()) << c.what;
        EXPECT_TRUE(backup.error.contains(QDir::toNativeSeparators(archive()))) << c.what;
        EXPECT_TRUE(backup.error.contains(QString::fromUtf8(c.reason))) << c.what << ": " << backup.error.toStdString();
    }
    EXPECT_EQ(dataTree(), before);
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("fora.txt")));

    const BackupContents missing = readDataBackup(folder() + QStringLiteral("não existe.zip"));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error.contains(QStringLiteral("não existe.zip")));
}

TEST_F(DataBackupTest, RestoreThatCannotUnpackLeavesTheCurrentDataInPlace)
{
    putSampleData();
    ASSERT_TRUE(writeDataBackup(folders(), archive()).ok());
    const BackupContents backup = readDataBackup(archive());
    const Tree before = dataTree();
    // A file stands where the working folder must be made.
    put(QStringLiteral(".belvane-restauracao"), QByteArray("ocupado"));

    const RestoreOutcome restored = restoreDataBackup(folders(), backup.entries, m_moment);

    EXPECT_FALSE(restored.ok());
    EXPECT_TRUE(restored.error.contains(QStringLiteral("não foram alterados"))) << restored.error.toStdString();
    EXPECT_TRUE(restored.keptFolders.isEmpty());
    EXPECT_EQ(dataTree(), before);
    EXPECT_FALSE(QFileInfo::exists(folder() + keptFolderName(QStringLiteral("Escrt"), m_moment)));
}

TEST(DataRootChoice, WritableProgramFolderKeepsTheDataBesideItElseTheUserFolder)
{
    const QString program = QStringLiteral("/home/ana/Belvane");
    const QString user = QStringLiteral("/home/ana/.local/share/belvane");
    EXPECT_EQ(DataFolders::chooseRoot(program, true, user), QStringLiteral("/home/ana/Belvane/"));
    EXPECT_EQ(DataFolders::chooseRoot(program, false, user), QStringLiteral("/home/ana/.local/share/belvane/"));
    // With no user folder known the program's own folder is still tried.
    EXPECT_EQ(DataFolders::chooseRoot(program, false, QString()), QStringLiteral("/home/ana/Belvane/"));
}

TEST(DataRootChoice, WritableFolderIsFoundByReallyWritingInIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(DataFolders::canWriteIn(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
        << "the probe file must not stay";
    EXPECT_FALSE(DataFolders::canWriteIn(dir.path() + QStringLiteral("/não existe")));
    EXPECT_FALSE(DataFolders::canWriteIn(QString()));
#ifdef Q_OS_UNIX
    // The superuser writes whatever the permissions say.
    if (!runningAsRoot()) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(DataFolders::canWriteIn(dir.path()));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
#endif
}
