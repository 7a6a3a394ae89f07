#include "core/budget/BudgetValidation.h"

#include <array>

namespace belvane {
namespace {

// The names as the message quotes them. The team-cost name keeps its blank before the closing
// quotation mark and the team-members name has no blank before its hyphen: users know the
// messages by these very words.
constexpr std::array<const char16_t*, 9> kFieldNames = {
    u"\"Nome do Cliente\"",
    u"\"Área\"",
    u"\"Categoria\"",
    u"\"SubCategoria\"",
    u"\"Tipo\"",
    u"\"SubTipo\"",
    u"\"Hxh\"",
    u"\"Equipe técnica - custos \"",
    u"\"Equipe técnica- integrantes\"",
};

} // namespace

int ValidateBudget(const TBudgetData& b)
{
    const bool missing[] = {
        b.ClientName.isEmpty(), b.Area == 0.0f,       b.BuildingUse.isEmpty(),
        b.BuildingType.isEmpty(), b.ServiceGroup.isEmpty(), b.Service.isEmpty(),
        b.Hxh == 0,             b.TeamCostTotal == 0.0f, b.TeamCount == 0,
    };
    for (int i = 0; i < int(std::size(missing)); ++i) {
        if (missing[i])
            return i;
    }
    return kBudgetValid;
}

QString validationMessage(int index)
{
    if (index < 0 || index >= int(kFieldNames.size()))
        return {};
    return QStringLiteral("O campo ") + QString::fromUtf16(kFieldNames[std::size_t(index)])
           + QStringLiteral(" não foi preenchido ou está incorreto.");
}

} // namespace belvane
