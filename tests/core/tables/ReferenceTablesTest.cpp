#include "core/tables/ReferenceTables.h"

#include "core/text/Windows1252.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QString>

#include <algorithm>

namespace belvane {
namespace {

template <std::size_t N>
qsizetype longest(const std::array<QStringView, N>& names)
{
    qsizetype result = 0;
    for (QStringView name : names)
        result = std::max(result, name.size());
    return result;
}

// Budget files hold these texts in Windows-1252 fields: a character the code page lacks (or
// an accent stored as a separate combining mark) would come back as '?'.
template <std::size_t N>
void expectStorable(const std::array<QStringView, N>& names)
{
    QSet<QString> seen;
    for (QStringView name : names) {
        const QByteArray bytes = toWindows1252(name);
        EXPECT_EQ(fromWindows1252(bytes.constData(), int(bytes.size())), name.toString());
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(name.trimmed(), name) << name.toString().toStdString();
        EXPECT_FALSE(seen.contains(name.toString())) << "duplicate " << name.toString().toStdString();
        seen.insert(name.toString());
    }
}

TEST(ReferenceTables, ElementCounts)
{
    EXPECT_EQ(ComplexityIndicatorNames.size(), 10u);
    EXPECT_EQ(TaskNames.size(), 12u);
    EXPECT_EQ(BuildingUseNames.size(), 7u);
    EXPECT_EQ(BuildingTypeNames.size(), 49u);
    EXPECT_EQ(BuildingTypeUse.size(), 49u);
    EXPECT_EQ(BuildingTypeClass.size(), 49u);
    EXPECT_EQ(ServiceGroupNames.size(), 7u);
    EXPECT_EQ(ServiceNames.size(), 44u);
    EXPECT_EQ(ServiceGroupOfService.size(), 44u);
    EXPECT_EQ(FixedExpenseNames.size(), 11u);
    EXPECT_EQ(VariableExpenseNames.size(), 11u);
    EXPECT_EQ(HxhDefaults.size(), 12u);
}

TEST(ReferenceTables, TextsFitTheRecordFieldsAndSurviveTheCodePage)
{
    // The longest texts are known; a changed maximum means a row was altered.
    EXPECT_EQ(longest(TaskNames), 38);
    EXPECT_EQ(longest(ComplexityIndicatorNames), 35);
    EXPECT_EQ(longest(BuildingTypeNames), 81);
    EXPECT_EQ(longest(ServiceNames), 83);
    EXPECT_LE(longest(TaskNames), 40);
    EXPECT_LE(longest(ComplexityIndicatorNames), 40);
    EXPECT_LE(longest(BuildingTypeNames), 100);
    EXPECT_LE(longest(ServiceNames), 100);
    EXPECT_LE(longest(BuildingUseNames), 100);
    EXPECT_LE(longest(ServiceGroupNames), 100);

    expectStorable(ComplexityIndicatorNames);
    expectStorable(TaskNames);
    expectStorable(BuildingUseNames);
    expectStorable(BuildingTypeNames);
    expectStorable(ServiceGroupNames);
    expectStorable(ServiceNames);
    expectStorable(FixedExpenseNames);
    expectStorable(VariableExpenseNames);
}

// Written with escapes so the comparison does not depend on how the source file is decoded.
TEST(ReferenceTables, AccentedTextsAreExact)
{
    EXPECT_EQ(FixedExpenseNames[0], QStringView(u"\u00C1gua"));
    EXPECT_EQ(BuildingTypeNames[18],
              QStringView(u"Bancos, sede de empresas, institui\u00E7\u00F5es e \u00D3rg\u00E3os P\u00FAblicos"));
    EXPECT_EQ(TaskNames[5], QStringView(u"Or\u00E7amenta\u00E7\u00E3o"));
    EXPECT_EQ(TaskNames[10], QStringView(u"Assist\u00EAncia \u00E0 execu\u00E7\u00E3o da obra"));
    EXPECT_EQ(ComplexityIndicatorNames[1], QStringView(u"Aprova\u00E7\u00F5es"));
    EXPECT_EQ(BuildingUseNames[1], QStringView(u"Com\u00E9rcio e Servi\u00E7os"));
    EXPECT_EQ(ServiceGroupNames[4], QStringView(u"Patrim\u00F4nio arquitet\u00F4nico"));
    EXPECT_EQ(VariableExpenseNames[3], QStringView(u"Servico Gr\u00E1fico"));
    EXPECT_EQ(kComplexityLevels[2], QStringView(u"M\u00E9dia"));
    EXPECT_TRUE(kComplexityLevels[0].isEmpty());
}

TEST(ReferenceTables, MappingsAreGroupedAndInRange)
{
    EXPECT_TRUE(std::is_sorted(BuildingTypeUse.begin(), BuildingTypeUse.end()));
    EXPECT_TRUE(std::is_sorted(ServiceGroupOfService.begin(), ServiceGroupOfService.end()));
    EXPECT_EQ(BuildingTypeUse.back(), BuildingUseNames.size() - 1);
    EXPECT_EQ(ServiceGroupOfService.back(), ServiceGroupNames.size() - 1);
    for (quint8 category : BuildingTypeClass) {
        EXPECT_GE(category, 1);
        EXPECT_LE(category, 4);
    }

    // Every use and group offers something, and together they offer every row once, in order.
    QStringList allTypes;
    for (int use = 0; use < int(BuildingUseNames.size()); ++use) {
        EXPECT_FALSE(buildingTypesOfUse(use).isEmpty()) << use;
        allTypes += buildingTypesOfUse(use);
    }
    QStringList allServices;
    for (int group = 0; group < int(ServiceGroupNames.size()); ++group) {
        EXPECT_FALSE(servicesOfGroup(group).isEmpty()) << group;
        allServices += servicesOfGroup(group);
    }
    ASSERT_EQ(allTypes.size(), qsizetype(BuildingTypeNames.size()));
    ASSERT_EQ(allServices.size(), qsizetype(ServiceNames.size()));
    for (std::size_t i = 0; i < BuildingTypeNames.size(); ++i)
        EXPECT_EQ(allTypes[qsizetype(i)], BuildingTypeNames[i]);
    for (std::size_t i = 0; i < ServiceNames.size(); ++i)
        EXPECT_EQ(allServices[qsizetype(i)], ServiceNames[i]);
}

TEST(ReferenceTables, SelectingAUseOrGroupOffersItsEntries)
{
    ASSERT_EQ(BuildingUseNames[2], QStringView(u"Educação"));
    const QStringList education = buildingTypesOfUse(2);
    ASSERT_EQ(education, QStringList({"Creches, escolas primárias e secundárias",
                                      "Escolas técnicas, especializadas, superiores e universidades"}));
    EXPECT_EQ(buildingTypeClassOf(education[0]), 2);
    EXPECT_EQ(buildingTypeClassOf(education[1]), 4);

    ASSERT_EQ(ServiceGroupNames[5], QStringView(u"Execução"));
    EXPECT_EQ(servicesOfGroup(5), QStringList({"Execução de Obras por Empreitada",
                                               "Execução de Obras por Administração"}));

    ASSERT_EQ(BuildingUseNames[5], QStringView(u"Cultura e Lazer"));
    const QStringList culture = buildingTypesOfUse(5);
    EXPECT_EQ(culture.size(), 4);
    for (const QString& type : culture)
        EXPECT_EQ(buildingTypeClassOf(type), 4) << type.toStdString();

    ASSERT_EQ(BuildingUseNames[6], QStringView(u"Diversos"));
    QSet<int> categories;
    for (const QString& type : buildingTypesOfUse(6))
        categories.insert(buildingTypeClassOf(type));
    EXPECT_EQ(categories, QSet<int>({1, 2, 3, 4}));

    EXPECT_TRUE(buildingTypesOfUse(-1).isEmpty());
    EXPECT_TRUE(buildingTypesOfUse(7).isEmpty());
    EXPECT_TRUE(servicesOfGroup(-1).isEmpty());
    EXPECT_TRUE(servicesOfGroup(7).isEmpty());
}

TEST(ReferenceTables, BuildingTypeLookupIsExact)
{
    EXPECT_EQ(buildingTypeClassOf(u"Hospitais"), 4);
    EXPECT_EQ(buildingTypeClassOf(u"Projeto de habitação de interesse social"), 1);
    EXPECT_EQ(buildingTypeClassOf(u"Usinas, fábricas e laboratórios especializados"), 4);
    EXPECT_EQ(buildingTypeClassOf(u"hospitais"), 0);
    EXPECT_EQ(buildingTypeClassOf(u"Hospitais "), 0);
    EXPECT_EQ(buildingTypeClassOf(u"Hospital"), 0);
    EXPECT_EQ(buildingTypeClassOf(u""), 0);
}

TEST(ReferenceTables, HxhDefaultsAreComplexityMajor)
{
    EXPECT_EQ(hxhDefault(1, 1), 2);
    EXPECT_EQ(hxhDefault(4, 3), 25);
    // Category 4 "Baixa" and category 1 "Alta" tell the two storage orders apart.
    EXPECT_EQ(hxhDefault(4, 1), 14);
    EXPECT_EQ(hxhDefault(1, 3), 8);
    EXPECT_EQ(hxhDefault(2, 2), 10);
    EXPECT_EQ(hxhDefault(3, 2), 12);

    EXPECT_EQ(hxhDefault(0, 1), 0);
    EXPECT_EQ(hxhDefault(5, 1), 0);
    EXPECT_EQ(hxhDefault(1, 0), 0);
    EXPECT_EQ(hxhDefault(1, 4), 0);
}

} // namespace
} // namespace belvane
