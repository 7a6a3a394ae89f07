#include "core/storage/SafeFile.h"
#include "core/storage/StorageFaults.h"

#include "support/TestFolder.h"

#include <QDir>
#include <QFile>

#include <string>
#include <tuple>

namespace belvane::test {
namespace {

using Kind = StorageFaults::Kind;
using StorageFaultsTest = TestFolder;

const QByteArray kPrevious = QByteArrayLiteral("previous record \x01\x02\x03");
const QByteArray kReplacement(4744, 'n');

// Both ways of saving must keep the previous file whatever fails.
enum class SaveWay { Bytes, Writer };

IoResult save(SaveWay way, const QString& path)
{
    if (way == SaveWay::Bytes)
        return writeFileAtomically(path, kReplacement);
    return writeFileAtomically(path, [](QIODevice& device) {
        return device.write(kReplacement.left(100)) == 100
            && device.write(kReplacement.mid(100)) == kReplacement.size() - 100;
    });
}

class FailedSave : public TestFolder,
                          public ::testing::WithParamInterface<std::tuple<Kind, SaveWay>> {};

TEST_P(FailedSave, KeepsPreviousFileByteForByteAndLeavesNoTemporary)
{
    const auto [kind, way] = GetParam();
    const QString path = pathOf(QStringLiteral("ORC000042.bvp"));
    writeFile(path, kPrevious);
    StorageFaults::inject(kind, QStringLiteral("ORC000042.bvp"));

    const IoResult result = save(way, path);

    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.error.startsWith(
        QStringLiteral("Não foi possível salvar o arquivo %1: ").arg(quotedNative(path))))
        << result.error.toStdString();
    EXPECT_TRUE(result.error.endsWith(u'.'));
    EXPECT_EQ(fileContents(path), kPrevious);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("ORC000042.bvp")});
}

TEST_P(FailedSave, FirstSaveLeavesNothingBehind)
{
    const auto [kind, way] = GetParam();
    const QString path = pathOf(QStringLiteral("Hist.bvh"));
    StorageFaults::inject(kind);

    EXPECT_FALSE(save(way, path).ok());
    EXPECT_TRUE(entries().isEmpty()) << entries().join(u' ').toStdString();
}

TEST_P(FailedSave, NextSaveSucceedsOnceTheFaultIsUsedUp)
{
    const auto [kind, way] = GetParam();
    const QString path = pathOf(QStringLiteral("Hist.bvh"));
    writeFile(path, kPrevious);
    StorageFaults::inject(kind, {}, 2);

    EXPECT_FALSE(save(way, path).ok());
    EXPECT_FALSE(save(way, path).ok());
    EXPECT_TRUE(save(way, path).ok());
    EXPECT_EQ(fileContents(path), kReplacement);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Hist.bvh")});
}

std::string caseName(const ::testing::TestParamInfo<FailedSave::ParamType>& info)
{
    const auto [kind, way] = info.param;
    return std::string(kind == Kind::FailWrite ? "Write" : "Commit")
        + (way == SaveWay::Bytes ? "OfBytes" : "OfWriter");
}

INSTANTIATE_TEST_SUITE_P(Storage, FailedSave,
                         ::testing::Combine(::testing::Values(Kind::FailWrite, Kind::FailCommit),
                                            ::testing::Values(SaveWay::Bytes, SaveWay::Writer)),
                         caseName);

TEST_F(StorageFaultsTest, BrokenWriteIsRefusedToTheWriterAndFailsEvenIfIgnored)
{
    const QString path = pathOf(QStringLiteral("Colors.bin"));
    writeFile(path, kPrevious);
    StorageFaults::inject(Kind::FailWrite);
    qint64 firstWrite = 0;

    const IoResult result = writeFileAtomically(path, [&firstWrite](QIODevice& device) {
        firstWrite = device.write(QByteArray(28, 'c'));
        return true;  // a careless writer that does not look at what write() said
    });

    EXPECT_EQ(firstWrite, -1);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(fileContents(path), kPrevious);
}

TEST_F(StorageFaultsTest, MatchesFileNameIgnoringCaseAndFolder)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Escrt")));
    const QString office = pathOf(QStringLiteral("Escrt/Office.bvo"));
    const QString colors = pathOf(QStringLiteral("Escrt/Colors.bin"));
    StorageFaults::inject(Kind::FailWrite, QStringLiteral("OFFICE.BVO"));

    EXPECT_TRUE(writeFileAtomically(colors, QByteArrayLiteral("c")).ok());
    EXPECT_FALSE(writeFileAtomically(office, QByteArrayLiteral("o")).ok());
    EXPECT_TRUE(writeFileAtomically(office, QByteArrayLiteral("o")).ok());
}

TEST_F(StorageFaultsTest, KindsAreArmedSeparately)
{
    const QString path = pathOf(QStringLiteral("Control.bin"));
    StorageFaults::inject(Kind::FailRemove);
    StorageFaults::inject(Kind::FailCommit);

    // A save runs no removal, so the armed removal failure waits for the removal.
    EXPECT_FALSE(writeFileAtomically(path, QByteArrayLiteral("1")).ok());
    EXPECT_TRUE(writeFileAtomically(path, QByteArrayLiteral("2")).ok());
    EXPECT_FALSE(removeFile(path).ok());
    EXPECT_TRUE(removeFile(path).ok());
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(StorageFaultsTest, ClearDisarmsEverything)
{
    const QString path = pathOf(QStringLiteral("Control.bin"));
    StorageFaults::inject(Kind::FailWrite, {}, 5);
    StorageFaults::inject(Kind::FailCommit, QStringLiteral("control.bin"));
    StorageFaults::clear();

    EXPECT_TRUE(writeFileAtomically(path, QByteArrayLiteral("1")).ok());
    EXPECT_FALSE(StorageFaults::consume(Kind::FailCommit, path));
}

TEST_F(StorageFaultsTest, FailedRemovalKeepsFileAndNamesIt)
{
    const QString path = pathOf(QStringLiteral("ORC000007.bvp"));
    writeFile(path, kPrevious);
    StorageFaults::inject(Kind::FailRemove, QStringLiteral("orc000007.BVP"));

    const IoResult result = removeFile(path);

    EXPECT_TRUE(result.error.startsWith(
        QStringLiteral("Não foi possível excluir o arquivo %1: ").arg(quotedNative(path))))
        << result.error.toStdString();
    EXPECT_EQ(fileContents(path), kPrevious);
}

} // namespace
} // namespace belvane::test
