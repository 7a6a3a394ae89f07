#include "core/storage/SafeFile.h"

#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace belvane::test {
namespace {

using StorageRead = TestFolder;
using StorageRemove = TestFolder;

TEST_F(StorageRead, MissingFileIsMissingWithMessageNamingIt)
{
    const QString path = pathOf(QStringLiteral("Control.bin"));

    const ReadOutcome read = readWholeFile(path);

    EXPECT_EQ(read.state, ReadOutcome::State::Missing);
    EXPECT_TRUE(read.bytes.isEmpty());
    EXPECT_EQ(read.error, QStringLiteral("Não foi possível ler o arquivo %1: o arquivo não existe.")
                              .arg(quotedNative(path)));
}

TEST_F(StorageRead, FileInMissingFolderIsMissing)
{
    const QString path = pathOf(QStringLiteral("Projetos/Hist.bvh"));

    const ReadOutcome read = readWholeFile(path);

    EXPECT_EQ(read.state, ReadOutcome::State::Missing);
    EXPECT_EQ(read.error, QStringLiteral("Não foi possível ler o arquivo %1: a pasta não existe.")
                              .arg(quotedNative(path)));
}

TEST_F(StorageRead, FolderInPlaceOfTheFileFails)
{
    const QString path = pathOf(QStringLiteral("Office.bvo"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Office.bvo")));

    const ReadOutcome read = readWholeFile(path);

    EXPECT_EQ(read.state, ReadOutcome::State::Failed);
    EXPECT_TRUE(read.error.startsWith(
        QStringLiteral("Não foi possível ler o arquivo %1: ").arg(quotedNative(path))))
        << read.error.toStdString();
}

TEST_F(StorageRead, UnreadableFileFailsRatherThanBeingMissing)
{
    if (runningAsRoot())
        GTEST_SKIP() << "running as root, which ignores file permissions";
    const QString path = pathOf(QStringLiteral("Office.bvo"));
    writeFile(path, QByteArrayLiteral("secret"));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));

    const ReadOutcome read = readWholeFile(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    EXPECT_EQ(read.state, ReadOutcome::State::Failed);
    EXPECT_EQ(read.error, QStringLiteral("Não foi possível ler o arquivo %1: acesso negado.")
                              .arg(quotedNative(path)));
}

TEST_F(StorageRead, LimitCutsTheReadAndEmptyFileIsOk)
{
    const QString path = pathOf(QStringLiteral("Office.bvo"));
    writeFile(path, QByteArrayLiteral("0123456789"));
    const QString empty = pathOf(QStringLiteral("Colors.bin"));
    writeFile(empty, {});

    EXPECT_EQ(readWholeFile(path, 4).bytes, QByteArrayLiteral("0123"));
    EXPECT_EQ(readWholeFile(path, 100).bytes, QByteArrayLiteral("0123456789"));
    EXPECT_EQ(readWholeFile(path).bytes, QByteArrayLiteral("0123456789"));
    const ReadOutcome none = readWholeFile(empty);
    EXPECT_EQ(none.state, ReadOutcome::State::Ok);
    EXPECT_TRUE(none.bytes.isEmpty());
    EXPECT_TRUE(none.error.isEmpty());
}

TEST_F(StorageRemove, DeletesFileAndTreatsMissingAsDone)
{
    const QString path = pathOf(QStringLiteral("ORC000001.bvp"));
    writeFile(path, QByteArrayLiteral("budget"));

    EXPECT_TRUE(removeFile(path).ok());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(removeFile(path).ok());
    EXPECT_TRUE(removeFile(pathOf(QStringLiteral("NoFolder/ORC000002.bvp"))).ok());
}

TEST_F(StorageRemove, FolderInPlaceOfTheFileIsNotDeleted)
{
    const QString path = pathOf(QStringLiteral("ORC000003.bvp"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("ORC000003.bvp")));

    const IoResult result = removeFile(path);

    EXPECT_TRUE(result.error.startsWith(
        QStringLiteral("Não foi possível excluir o arquivo %1: ").arg(quotedNative(path))))
        << result.error.toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
} // namespace belvane::test
