#include "core/budget/ProjectClassification.h"
#include "core/tables/ReferenceTables.h"

#include <gtest/gtest.h>

using namespace belvane;

TEST(ProjectClassificationTest, OnlyANewCategoryCountsAndATypeWithoutOneKeepsIt)
{
    // Two types of the same category and one of another, found in the table itself.
    std::size_t first = 0, same = 0, other = 0;
    for (std::size_t i = 1; i < BuildingTypeClass.size(); ++i) {
        if (!same && BuildingTypeClass[i] == BuildingTypeClass[first])
            same = i;
        if (!other && BuildingTypeClass[i] != BuildingTypeClass[first])
            other = i;
    }
    ASSERT_TRUE(same && other);
    ProjectClassification classification;
    EXPECT_TRUE(classification.takeBuildingType(BuildingTypeNames[first]));
    EXPECT_EQ(classification.category(), BuildingTypeClass[first]);
    EXPECT_FALSE(classification.takeBuildingType(BuildingTypeNames[same]));
    EXPECT_FALSE(classification.takeBuildingType(u"tipo que não existe"));
    EXPECT_EQ(classification.category(), BuildingTypeClass[first]);
    EXPECT_TRUE(classification.takeBuildingType(BuildingTypeNames[other]));
}
