#include "core/revisions/RevisionComparison.h"

#include "core/text/NumberFormat.h"

namespace belvane {
namespace {

QString money(float value)
{
    return QStringLiteral("R$ ") + formatNumber(double(value), u"#,##0.00");
}

QString decimal(float value, QStringView pattern = u"0.00")
{
    return formatNumber(double(value), pattern);
}

// The tasks rated for the budget (those given a complexity), as the price counts them.
int tasksRated(const TBudgetData& b)
{
    int rated = 0;
    for (const TBudgetTask& task : b.Tasks) {
        if (task.Name.isEmpty())
            break;
        rated += task.Complexity.isEmpty() ? 0 : 1;
    }
    return rated;
}

} // namespace

std::vector<ComparedFigure> compareBudgetVersions(const TBudgetData& left, const TBudgetData& right)
{
    struct Figure {
        const char16_t* label;
        QString (*text)(const TBudgetData&);
    };
    static const Figure figures[] = {
        {u"Status", [](const TBudgetData& b) { return b.Status.toQString(); }},
        {u"Cliente", [](const TBudgetData& b) { return b.ClientName.toQString(); }},
        {u"Serviço", [](const TBudgetData& b) { return b.Service.toQString(); }},
        {u"Área (m²)", [](const TBudgetData& b) { return decimal(b.Area, u"#,##0.0#"); }},
        {u"Tarefas", [](const TBudgetData& b) { return QString::number(tasksRated(b)); }},
        {u"Equipe", [](const TBudgetData& b) { return QString::number(b.TeamCount); }},
        {u"Hxh", [](const TBudgetData& b) { return QString::number(b.Hxh); }},
        {u"Fator de complexidade",
         [](const TBudgetData& b) { return decimal(b.ComplexityFactor, u"0.00##"); }},
        {u"Fator de repetição", [](const TBudgetData& b) { return decimal(b.RepetitionFactor, u"0.00##"); }},
        {u"Custo da equipe", [](const TBudgetData& b) { return money(b.TeamCostTotal); }},
        {u"RRT", [](const TBudgetData& b) { return money(b.RRT); }},
        {u"Despesas de viagem", [](const TBudgetData& b) { return money(b.TravelExpenses); }},
        {u"Serviços de terceiros", [](const TBudgetData& b) { return money(b.ThirdParty); }},
        {u"Lucro (%)", [](const TBudgetData& b) { return decimal(b.ProfitPercent, u"0.0#"); }},
        {u"Lucro", [](const TBudgetData& b) { return money(b.Profit); }},
        {u"Imposto (%)", [](const TBudgetData& b) { return decimal(b.TaxRate, u"0.0#"); }},
        {u"Impostos", [](const TBudgetData& b) { return money(b.Taxes); }},
        {u"Valor orçado", [](const TBudgetData& b) { return money(b.BudgetValue); }},
        {u"Valor negociado", [](const TBudgetData& b) { return money(b.NegotiatedValue); }},
        {u"Valor por m²", [](const TBudgetData& b) { return money(b.ValuePerM2); }},
    };
    std::vector<ComparedFigure> compared;
    for (const Figure& figure : figures) {
        ComparedFigure row{QString::fromUtf16(figure.label), figure.text(left), figure.text(right), false};
        row.differs = row.left != row.right;
        compared.push_back(std::move(row));
    }
    return compared;
}

} // namespace belvane
