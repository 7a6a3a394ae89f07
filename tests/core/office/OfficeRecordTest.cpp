#include "core/office/OfficeFile.h"
#include "core/office/OfficeRecord.h"

#include "support/Offices.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::setStaffMember;

namespace {

QByteArray bytesOf(const TOfficeData& office)
{
    return QByteArray(reinterpret_cast<const char*>(&office), sizeof office);
}

} // namespace

TEST(OfficeRecordTest, Defaults)
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    EXPECT_EQ(office.Version, 1.0f);
    EXPECT_EQ(office.Name.toQString(), QStringLiteral("Meu escritório"));
    EXPECT_EQ(office.Name.length, 14);
    EXPECT_EQ(static_cast<unsigned char>(office.Name.chars[10]), 0xF3);  // "ó" as one byte
    EXPECT_EQ(office.TaxRegime, 1);
    EXPECT_EQ(office.OfficeStandard.toQString(), QStringLiteral("C"));
    EXPECT_EQ(office.OfficeStandardIndex, 3);
    EXPECT_EQ(office.StandardFactor, 1.0f);
    EXPECT_EQ(office.MonthlyHours, 160);
    EXPECT_EQ(office.Utilization, 100.0f);
    EXPECT_EQ(office.StaffPercentA[20], 100);
    EXPECT_EQ(office.StaffPercentB[0], 100);
    const std::uint16_t row3[4] = {4, 10, 20, 30};
    EXPECT_TRUE(std::equal(row3, row3 + 4, office.HxhTable[3]));
    ComputeOfficeTotals(office);
    EXPECT_EQ(office.CostPerHour, 0.0f);
}

TEST(OfficeRecordTest, DefaultsClearOnlyTheLengthBytes)
{
    TOfficeData office = zeroOffice();
    office.Name.assign(u"Escritório Antigo de Arquitetura");
    office.Reserved97[1] = 0x5A;
    DefaultOffice(office);
    EXPECT_EQ(office.Name.toQString(), QStringLiteral("Meu escritório"));
    EXPECT_EQ(office.Name.chars[21], 'A');   // stale byte after the new length
    EXPECT_EQ(office.Reserved97[1], 0x5A);
}

TEST(OfficeRecordTest, TotalsCountTypesExactlyAndRoundEverySum)
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    office.StaffCount = 4;
    setStaffMember(office, 0, u"Ana", u"Técnico", 5000.0f);
    setStaffMember(office, 1, u"Bia", u"Apoio", 2000.0f);
    setStaffMember(office, 2, u"Caio", u"técnico", 999.0f);   // other letters: neither kind
    setStaffMember(office, 3, u"Duda", u"Técnico", 1234.5f);
    setStaffMember(office, 4, u"Eva", u"Técnico", 7777.0f);   // beyond StaffCount: not counted
    office.FixedExpenseName[0].assign(u"Aluguel");
    office.FixedExpenseValue[0] = 1000.0f;
    office.FixedExpenseName[5].assign(u"Água");
    office.FixedExpenseValue[5] = 500.5f;
    office.FixedExpenseValue[6] = 300.0f;              // value without a name: not in use
    office.VariableExpenseName[100].assign(u"Correio");
    office.VariableExpenseValue[100] = 250.25f;
    ComputeOfficeTotals(office);
    EXPECT_EQ(office.TechStaffCount, 2);
    EXPECT_EQ(office.TechStaffTotal, 6234.5f);
    EXPECT_EQ(office.SupportStaffTotal, 2000.0f);
    EXPECT_EQ(office.FixedTotal, 1500.5f);
    EXPECT_EQ(office.VariableTotal, 250.25f);
    EXPECT_EQ(office.CostWithoutTech, 3750.75f);
    EXPECT_EQ(office.CostWithTech, 9985.25f);
    EXPECT_EQ(office.CostPerHour, static_cast<float>(3750.75 / 160));
}

TEST(OfficeRecordTest, SingleRoundingOfRunningSums)
{
    // 0.1f added ten times in single precision is not 1.0f: the stored total must show that drift.
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    float expected = 0.0f;
    for (int i = 0; i < 10; ++i) {
        office.FixedExpenseName[i].assign(u"x");
        office.FixedExpenseValue[i] = 0.1f;
        expected = expected + 0.1f;
    }
    ComputeOfficeTotals(office);
    EXPECT_EQ(office.FixedTotal, expected);
}

TEST(OfficeRecordTest, ZeroMonthlyHoursGiveZeroCostPerHour)
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    office.FixedExpenseName[0].assign(u"Aluguel");
    office.FixedExpenseValue[0] = 1000.0f;
    office.MonthlyHours = 0;
    ComputeOfficeTotals(office);
    EXPECT_EQ(office.CostPerHour, 0.0f);
    EXPECT_EQ(office.CostWithoutTech, 1000.0f);
}

TEST(OfficeFileTest, ReadThenWriteReproducesTheFileByteForByte)
{
    QTemporaryDir dir;
    QByteArray original(int(sizeof(TOfficeData)), '\0');
    auto* random = QRandomGenerator::global();
    for (auto& byte : original)
        byte = char(random->bounded(256));   // reserved and stale bytes all non-zero
    const QString path = dir.filePath(QStringLiteral("Office.bvo"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(original + QByteArray("trailing bytes ignored"));
    file.close();

    TOfficeData office = zeroOffice();
    ASSERT_EQ(ReadOfficeFile(office, path).state, RecordReadState::Read);
    EXPECT_EQ(bytesOf(office), original);
    const QString copy = dir.filePath(QStringLiteral("copy.bvo"));
    ASSERT_TRUE(WriteOfficeFile(office, copy).ok());
    QFile written(copy);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), original);
}

TEST(OfficeFileTest, MissingAndShortFiles)
{
    QTemporaryDir dir;
    TOfficeData office = zeroOffice();
    office.MonthlyHours = 77;
    EXPECT_EQ(ReadOfficeFile(office, dir.filePath(QStringLiteral("Office.bvo"))).state, RecordReadState::Missing);
    EXPECT_EQ(office.MonthlyHours, 77);

    const QString path = dir.filePath(QStringLiteral("Office.bvo"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(100, 'x'));
    file.close();
    const RecordRead read = ReadOfficeFile(office, path);
    EXPECT_EQ(read.state, RecordReadState::Failed);
    EXPECT_TRUE(read.error.contains(QStringLiteral("Office.bvo")));
    EXPECT_EQ(office.MonthlyHours, 77);   // a short file changes nothing
}

TEST(OfficeFileTest, FoundUnderAnyCapitalisationCreatedAsOfficeBvo)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    EXPECT_EQ(officeFilePath(folder), folder + QStringLiteral("Office.bvo"));
    QFile file(folder + QStringLiteral("OFFICE.BVO"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(officeFilePath(folder), folder + QStringLiteral("OFFICE.BVO"));
}
