#include "core/backup/ZipArchive.h"

#include "support/ZipBytes.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::zipOf;

namespace {

std::vector<ZipEntry> sampleEntries()
{
    QByteArray binary(300, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char(i * 7);
    const QDateTime when(QDate(2026, 12, 9), QTime(10, 30, 14));
    return {{QStringLiteral("Escrt/"), {}, when},
            {QStringLiteral("Escrt/Office.bvo"), binary, when},
            {QStringLiteral("Projetos/Orçamento Ímpar.txt"), QByteArray("ação"), when},
            {QStringLiteral("Projetos/vazio.bin"), QByteArray(), when}};
}

// The same archive as a ZIP written by another program (Python's zipfile): one stored file,
// "Projetos/Hist.bvh" holding "Olá", without the UTF-8 name flag.
const QByteArray kForeignZip(
    "\x50\x4b\x03\x04\x14\x00\x00\x00\x00\x00\xc0\x53\x89\x5d\xc0\xb2\xf8\xe2\x04\x00\x00\x00\x04\x00\x00\x00\x11\x00"
    "\x00\x00\x50\x72\x6f\x6a\x65\x74\x6f\x73\x2f\x48\x69\x73\x74\x2e\x62\x76\x68\x4f\x6c\xc3\xa1\x50\x4b\x01\x02\x14"
    "\x03\x14\x00\x00\x00\x00\x00\xc0\x53\x89\x5d\xc0\xb2\xf8\xe2\x04\x00\x00\x00\x04\x00\x00\x00\x11\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x80\x01\x00\x00\x00\x00\x50\x72\x6f\x6a\x65\x74\x6f\x73\x2f\x48\x69\x73\x74\x2e\x62"
    "\x76\x68\x50\x4b\x05\x06\x00\x00\x00\x00\x01\x00\x01\x00\x3f\x00\x00\x00\x33\x00\x00\x00\x00\x00",
    136);

} // namespace

TEST(ZipArchiveTest, Crc32IsTheStandardOne)
{
    EXPECT_EQ(zipCrc32(QByteArray("123456789")), 0xCBF43926u);
    EXPECT_EQ(zipCrc32(QByteArray()), 0u);
}

TEST(ZipArchiveTest, EntriesComeBackWithNamesBytesAndTimes)
{
    const std::vector<ZipEntry> written = sampleEntries();
    const ZipRead read = readZip(zipOf(written));

    ASSERT_TRUE(read.ok()) << read.problem.toStdString();
    ASSERT_EQ(read.entries.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(read.entries[i].name, written[i].name);
        EXPECT_EQ(read.entries[i].data, written[i].data) << written[i].name.toStdString();
        EXPECT_EQ(read.entries[i].modified, written[i].modified);
        EXPECT_EQ(read.entries[i].isFolder(), written[i].isFolder());
    }
}

TEST(ZipArchiveTest, ArchiveWrittenByAnotherProgramIsRead)
{
    const ZipRead read = readZip(kForeignZip);

    ASSERT_TRUE(read.ok()) << read.problem.toStdString();
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].name, QStringLiteral("Projetos/Hist.bvh"));
    EXPECT_EQ(read.entries[0].data, QByteArray("Ol\xc3\xa1"));
    EXPECT_EQ(read.entries[0].modified, QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
}

TEST(ZipArchiveTest, DamagedOrForeignArchivesAreRefusedWithAReason)
{
    const QByteArray good = zipOf(sampleEntries());
    const qsizetype dataByte = good.indexOf("ação");
    ASSERT_GT(dataByte, 0);

    QByteArray flipped = good;
    flipped[dataByte] = 'A';
    QByteArray compressed = kForeignZip;
    compressed[8] = 8;    // local header: deflate
    compressed[61] = 8;   // central header: deflate
    QByteArray encrypted = kForeignZip;
    encrypted[59] = 1;    // central header: the encryption flag
    QByteArray badOffset = kForeignZip;
    qToLittleEndian<quint32>(1000, badOffset.data() + 114 + 16);  // where the index starts

    const struct { const char* what; QByteArray bytes; const char* reason; } cases[] = {
        {"empty file", QByteArray(), "não é um arquivo ZIP"},
        {"plain text", QByteArray("Cliente;Valor\r\nAna;100\r\n"), "não é um arquivo ZIP"},
        {"cut short", good.left(good.size() / 2), "não é um arquivo ZIP"},
        {"a data byte changed", flipped, "soma de verificação"},
        {"compressed", compressed, "compactado"},
        {"password", encrypted, "senha"},
        {"index out of place", badOffset, "índice"},
    };
    for (const auto& c : cases) {
        const ZipRead read = readZip(c.bytes);
        EXPECT_FALSE(read.ok()) << c.what;
        EXPECT_TRUE(read.entries.empty()) << c.what;
        EXPECT_TRUE(read.problem.contains(QString::fromUtf8(c.reason))) << c.what << ": " << read.problem.toStdString();
    }
}
