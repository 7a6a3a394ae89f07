#include "core/storage/SafeFile.h"

#include "support/TestFolder.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace belvane::test {
namespace {

using StorageSafeWrite = TestFolder;

QByteArray recordLikeBytes(int size, char seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(seed + i * 7);
    return bytes;
}

TEST_F(StorageSafeWrite, WritesBinaryBytesThatReadBackUnchanged)
{
    const QString path = pathOf(QStringLiteral("Office.bvo"));
    const QByteArray bytes = recordLikeBytes(8712, '\0');

    const IoResult result = writeFileAtomically(path, bytes);

    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const ReadOutcome read = readWholeFile(path);
    ASSERT_EQ(read.state, ReadOutcome::State::Ok);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Office.bvo")});
}

TEST_F(StorageSafeWrite, ShorterContentsReplaceLongerFileWhole)
{
    const QString path = pathOf(QStringLiteral("Hist.bvh"));
    // Large enough that the replaced file is let go on a thread of its own.
    writeFile(path, QByteArray(2 << 20, 'x'));

    ASSERT_TRUE(writeFileAtomically(path, QByteArrayLiteral("abc")).ok());

    EXPECT_EQ(fileContents(path), QByteArrayLiteral("abc"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Hist.bvh")});
}

TEST_F(StorageSafeWrite, EmptyContentsGiveAnEmptyFile)
{
    const QString path = pathOf(QStringLiteral("Control.bin"));
    writeFile(path, QByteArrayLiteral("1234"));

    ASSERT_TRUE(writeFileAtomically(path, QByteArray()).ok());

    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(fileContents(path), QByteArray());
}

TEST_F(StorageSafeWrite, WriterStreamsItsPiecesInOrder)
{
    const QString path = pathOf(QStringLiteral("Hist.bvh"));

    const IoResult result = writeFileAtomically(path, [](QIODevice& device) {
        for (int line = 0; line < 3; ++line) {
            if (device.write(QByteArray::number(line) + '\n') != 2)
                return false;
        }
        return true;
    });

    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(fileContents(path), QByteArrayLiteral("0\n1\n2\n"));
}

TEST_F(StorageSafeWrite, WriterMayStreamThroughDataStreamAndGoBackToPatch)
{
    const QString path = pathOf(QStringLiteral("Control.bin"));

    const IoResult result = writeFileAtomically(path, [](QIODevice& device) {
        QDataStream out(&device);
        out.setByteOrder(QDataStream::LittleEndian);
        out << qint32(0) << qint32(-2);
        if (!device.seek(0))
            return false;
        out << qint32(41);
        return out.status() == QDataStream::Ok && device.pos() == 4 && device.size() == 8;
    });

    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(fileContents(path), QByteArray::fromHex("29000000feffffff"));
}

TEST_F(StorageSafeWrite, WriterThatGivesUpKeepsPreviousFile)
{
    const QString path = pathOf(QStringLiteral("Colors.bin"));
    const QByteArray previous = recordLikeBytes(28, 'a');
    writeFile(path, previous);

    const IoResult result = writeFileAtomically(path, [](QIODevice& device) {
        device.write("half of a new record");
        return false;
    });

    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Não foi possível salvar o arquivo ")));
    EXPECT_TRUE(result.error.contains(quotedNative(path)));
    EXPECT_EQ(fileContents(path), previous);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Colors.bin")});
}

TEST_F(StorageSafeWrite, MissingFolderIsNamedInPortuguese)
{
    const QString path = pathOf(QStringLiteral("Escrt/Office.bvo"));

    const IoResult result = writeFileAtomically(path, QByteArrayLiteral("data"));

    EXPECT_EQ(result.error, QStringLiteral("Não foi possível salvar o arquivo %1: a pasta não existe.")
                                .arg(quotedNative(path)));
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(StorageSafeWrite, FolderInPlaceOfTheFileIsRefused)
{
    const QString path = pathOf(QStringLiteral("Hist.bvh"));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Hist.bvh")));

    const IoResult result = writeFileAtomically(path, QByteArrayLiteral("data"));

    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(quotedNative(path))) << result.error.toStdString();
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Hist.bvh")});
}

TEST_F(StorageSafeWrite, ReadOnlyFolderDeniesAccessAndKeepsPreviousFile)
{
    if (runningAsRoot())
        GTEST_SKIP() << "running as root, which ignores folder permissions";
    const QString folder = pathOf(QStringLiteral("Escrt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Office.bvo");
    writeFile(path, QByteArrayLiteral("previous"));
    const auto openFolder = QFile::permissions(folder);
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    const IoResult result = writeFileAtomically(path, QByteArrayLiteral("new contents"));
    QFile::setPermissions(folder, openFolder);

    EXPECT_EQ(result.error, QStringLiteral("Não foi possível salvar o arquivo %1: acesso negado.")
                                .arg(quotedNative(path)));
    EXPECT_EQ(fileContents(path), QByteArrayLiteral("previous"));
    EXPECT_EQ(entriesOf(folder), QStringList{QStringLiteral("Office.bvo")});
}

TEST_F(StorageSafeWrite, ReadOnlyFileIsNotReplaced)
{
    if (runningAsRoot())
        GTEST_SKIP() << "running as root, which ignores file permissions";
    const QString path = pathOf(QStringLiteral("Control.bin"));
    writeFile(path, QByteArrayLiteral("\x07\0\0\0"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));

    const IoResult result = writeFileAtomically(path, QByteArrayLiteral("\x08\0\0\0"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    EXPECT_EQ(result.error,
              QStringLiteral("Não foi possível salvar o arquivo %1: o arquivo é somente leitura.")
                  .arg(quotedNative(path)));
    EXPECT_EQ(fileContents(path), QByteArrayLiteral("\x07\0\0\0"));
}

} // namespace
} // namespace belvane::test
