#include "core/history/BudgetReport.h"

#include "core/budget/SingleRounding.h"
#include "core/history/HistoryCellText.h"
#include "core/text/Clock.h"
#include "core/text/DayCount.h"
#include "core/text/NumberFormat.h"

#include <cmath>

namespace belvane {

namespace {

QString money(double value)
{
    if (!std::isfinite(value))
        return QString::fromUtf16(kReportNoPercent);
    return QStringLiteral("R$ ") + formatNumber(value, u"0.00");
}

QString oneDecimal(double value)
{
    return formatNumber(value, u"0.0");
}

QString reportDate(double dayCount)
{
    return dateFromDayCount(dayCount).toString(QStringLiteral("dd/MM/yyyy"));
}

void addIdentification(QList<ReportLine>& lines, const TBudgetData& b, QStringView status)
{
    lines.append({QStringLiteral("Orçamento nº: %1  Código: %2")
                      .arg(b.Number)
                      .arg(b.ProjectCode.toQString()), kReportWhite});
    lines.append({QString(), kReportWhite});
    lines.append({QStringLiteral("Status: \t") + status.toString(), kReportWhite});
    lines.append({QStringLiteral("Emitido em : \t") + reportDate(b.CreatedDate), kReportWhite});
    lines.append({QStringLiteral("Editado em : \t") + reportDate(b.EditedDate), kReportWhite});
}

void addClientAndProject(QList<ReportLine>& lines, const TBudgetData& b)
{
    const auto yellow = [&lines](const QString& text) { lines.append({text, kReportYellow}); };
    yellow(QStringLiteral("Cliente: \t") + b.ClientName.toQString());
    yellow(QStringLiteral("Telefone: \t") + b.ClientPhone.toQString());
    yellow(QStringLiteral("email: \t") + b.ClientEmail.toQString());
    yellow(QStringLiteral("Endereço: \t") + b.ClientAddress.toQString());
    yellow(QStringLiteral("Categoria: \t") + b.BuildingUse.toQString());
    yellow(QStringLiteral("SubCategoria: \t") + b.BuildingType.toQString());
    yellow(QStringLiteral("Tipo: \t") + b.ServiceGroup.toQString());
    yellow(QStringLiteral("SubTipo: \t") + b.Service.toQString());
    // The area shows the stored single-precision value exactly: 120,3 reads 120,300003051758.
    yellow(QStringLiteral("Área: \t") + formatGeneral(double(b.Area)) + QStringLiteral(" m2"));
    yellow(QStringLiteral("Recursos de mão de obra técnica: \t") + QString::number(b.Hxh)
           + QStringLiteral(" Hxh"));
}

void addCosts(QList<ReportLine>& lines, const TBudgetData& b)
{
    const auto yellow = [&lines](const char16_t* label, float value) {
        lines.append({QString::fromUtf16(label) + money(value), kReportYellow});
    };
    yellow(u"Custo rateado do escritório:\t", b.OfficeShare);
    yellow(u"Custo da equipe técnica do projeto:\t", b.TeamCostTotal);
    yellow(u"Despesas de Deslocamento:\t", b.TravelExpenses);
    yellow(u"Despesas com terceiros:\t", b.ThirdParty);
    yellow(u"Despesas com RRT:\t", b.RRT);
    yellow(u"Adicional de qualificação do escritório:\t", b.QualificationAddition);
    yellow(u"Desconto por repetição do projeto:\t", b.RepetitionDiscount);
}

void addResults(QList<ReportLine>& lines, const TBudgetData& b, const NegotiatedFigures& n)
{
    lines.append({QStringLiteral("Valor calculado:\t") + money(b.BudgetValue), kReportAqua});
    lines.append({QStringLiteral("Imposto (%1 %):\t%2").arg(oneDecimal(b.TaxRate), money(b.Taxes)),
                  kReportOrange});
    lines.append({QStringLiteral("Lucro líquido (%1 %):\t%2")
                      .arg(oneDecimal(b.ProfitPercent), money(b.Profit)), kReportGreen});
    lines.append({QString(26, u'-'), kReportGreen});
    lines.append({QStringLiteral("Valor Negociado:\t") + money(n.value), kReportAqua});
    // Nothing negotiated yet: a tax and a loss on a value of 0 would only alarm the reader.
    if (n.value == 0.0f) {
        lines.append({QStringLiteral("Imposto no valor negociado:\t—"), kReportOrange});
        lines.append({QStringLiteral("Lucro no valor negociado:\t—"), kReportGreen});
        return;
    }
    lines.append({QStringLiteral("Imposto no valor negociado (%1 %):\t%2")
                      .arg(oneDecimal(b.TaxRate), money(n.tax)), kReportOrange});
    const QString percent =
        n.percentKnown ? oneDecimal(n.profitPercent) : QString::fromUtf16(kReportNoPercent);
    lines.append({QStringLiteral("Lucro no valor negociado (%1 %):\t%2")
                      .arg(percent, money(n.profit)), kReportGreen});
}

QStringList linesOf(const QString& text)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(u'\r', u'\n');
    return unified.split(u'\n');
}

} // namespace

NegotiatedFigures negotiatedFigures(const TBudgetData& budget, double negotiated)
{
    // Each figure is worked out in double precision from the stored ones and rounded to single
    // precision once, as the budget's own figures are; the profit reads the rounded tax.
    NegotiatedFigures n;
    n.value = narrowToSingle(negotiated);
    n.tax = narrowToSingle(double(n.value) * double(budget.TaxRate) / 100.0);
    n.profit = narrowToSingle(double(n.value) - double(n.tax) - double(budget.OwnExpenses)
                              - double(budget.QualificationAddition) + double(budget.RepetitionDiscount)
                              - double(budget.RRT));
    if (budget.OwnExpenses != 0.0f) {
        n.profitPercent = narrowToSingle(double(n.profit) / double(budget.OwnExpenses) * 100.0);
        n.percentKnown = std::isfinite(n.profitPercent);
    }
    return n;
}

QList<ReportLine> BudgetReportLines(const TBudgetData& budget, QStringView statusText,
                                    QStringView negotiatedText)
{
    const double negotiated = readHistoryNumber(negotiatedText).value_or(0.0);
    QList<ReportLine> lines;
    lines.reserve(29);
    addIdentification(lines, budget, statusText);
    addClientAndProject(lines, budget);
    addCosts(lines, budget);
    addResults(lines, budget, negotiatedFigures(budget, negotiated));
    return lines;
}

QString budgetReportCaption(const TBudgetData& budget)
{
    return QStringLiteral("Orçamento nº: ") + QString::number(budget.Number);
}

QString BudgetReportClipboardText(const QString& officeName, const QStringList& reportLines,
                                  const QString& observations)
{
    QStringList lines;
    lines << QStringLiteral("Escritório :") + officeName
                 + QStringLiteral(" - Orçamento para projeto arquitetônico.")
          << QString()
          << QStringLiteral("Data atual :") + Clock::today().toString(QStringLiteral("dd/MM/yyyy"))
          << QString();
    for (const QString& line : reportLines)
        lines << linesOf(line);
    lines << QString() << QStringLiteral("Observações") << linesOf(observations);
    return lines.join(QLatin1String("\r\n"));
}

} // namespace belvane
