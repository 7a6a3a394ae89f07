#include "core/budget/ProjectClassification.h"

#include "core/tables/ReferenceTables.h"

namespace belvane {

bool ProjectClassification::takeBuildingType(QStringView type)
{
    const int category = buildingTypeClassOf(type);
    if (category == 0 || category == m_category)
        return false;
    m_category = category;
    return true;
}

} // namespace belvane
