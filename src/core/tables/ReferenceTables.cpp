#include "core/tables/ReferenceTables.h"

namespace belvane {
namespace {

// The names whose group byte equals `group`, kept in table order.
template <std::size_t N>
QStringList namesInGroup(const std::array<QStringView, N>& names,
                         const std::array<quint8, N>& groupOf, int group)
{
    QStringList result;
    for (std::size_t i = 0; i < N; ++i) {
        if (groupOf[i] == group)
            result.append(names[i].toString());
    }
    return result;
}

} // namespace

int hxhDefault(int category, int level)
{
    if (category < 1 || category > 4 || level < 1 || level > 3)
        return 0;
    return HxhDefaults[static_cast<std::size_t>((level - 1) * 4 + (category - 1))];
}

QStringList buildingTypesOfUse(int useIndex)
{
    return namesInGroup(BuildingTypeNames, BuildingTypeUse, useIndex);
}

QStringList servicesOfGroup(int groupIndex)
{
    return namesInGroup(ServiceNames, ServiceGroupOfService, groupIndex);
}

int buildingTypeClassOf(QStringView typeName)
{
    for (std::size_t i = 0; i < BuildingTypeNames.size(); ++i) {
        if (BuildingTypeNames[i] == typeName)
            return BuildingTypeClass[i];
    }
    return 0;
}

} // namespace belvane
