#include "core/budget/RegenerationNotice.h"

#include "core/text/NumberFormat.h"

namespace belvane {
namespace {

void noteChange(QStringList& lines, const QString& figure, const QString& from, const QString& to)
{
    // Compared as the user reads them: a difference below the shown digits is none.
    if (from != to)
        lines << QStringLiteral("%1: %2 → %3 (escritório)").arg(figure, from, to);
}

} // namespace

QStringList regenerationReplacements(const TBudgetData& budget, const TOfficeData& office)
{
    QStringList lines;
    noteChange(lines, QStringLiteral("Imposto"), formatNumber(budget.TaxRate, u"0.0") + QStringLiteral(" %"),
               formatNumber(office.TaxRate, u"0.0") + QStringLiteral(" %"));
    noteChange(lines, QStringLiteral("Custo por hora"), QStringLiteral("R$ ") + formatNumber(budget.CostPerHour, u"#,0.00"),
               QStringLiteral("R$ ") + formatNumber(office.CostPerHour, u"#,0.00"));
    noteChange(lines, QStringLiteral("Horas mensais"), formatNumber(budget.MonthlyHours, u"0"),
               formatNumber(office.MonthlyHours, u"0"));
    noteChange(lines, QStringLiteral("Padrão"),
               QStringLiteral("%1 (%2)").arg(budget.OfficeStandard.toQString(), formatNumber(budget.StandardFactor, u"0.00")),
               QStringLiteral("%1 (%2)").arg(office.OfficeStandard.toQString(), formatNumber(office.StandardFactor, u"0.00")));
    return lines;
}

QString regenerationNotice(const BudgetDraft& budget, const TOfficeData& office)
{
    QString notice = QStringLiteral("O orçamento será recalculado com os dados atuais do projeto e escritório.");
    const QStringList replaced = budget.priced() ? regenerationReplacements(budget.record(), office) : QStringList();
    if (!replaced.isEmpty())
        notice += QStringLiteral("\n\nValores substituídos:\n") + replaced.join(u'\n');
    return notice;
}

} // namespace belvane
