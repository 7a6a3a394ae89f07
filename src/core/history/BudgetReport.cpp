#include "core/history/BudgetReport.h"

#include "core/budget/SingleRounding.h"
#include "core/history/ClientProposal.h"
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
    lines.append(ReportLine::alone(
        QStringLiteral("Orçamento nº: %1  Código: %2").arg(b.Number).arg(b.ProjectCode.toQString()), kReportWhite));
    lines.append(ReportLine::alone(QString(), kReportWhite));
    lines.append(ReportLine::valued(QStringLiteral("Status: "), status.toString(), kReportWhite));
    lines.append(ReportLine::valued(QStringLiteral("Emitido em : "), reportDate(b.CreatedDate), kReportWhite));
    lines.append(ReportLine::valued(QStringLiteral("Editado em : "), reportDate(b.EditedDate), kReportWhite));
}

void addClientAndProject(QList<ReportLine>& lines, const TBudgetData& b)
{
    const auto yellow = [&lines](const char16_t* caption, const QString& value) {
        lines.append(ReportLine::valued(QString::fromUtf16(caption), value, kReportYellow));
    };
    yellow(u"Cliente: ", b.ClientName.toQString());
    yellow(u"Telefone: ", b.ClientPhone.toQString());
    yellow(u"email: ", b.ClientEmail.toQString());
    yellow(u"Endereço: ", b.ClientAddress.toQString());
    yellow(u"Categoria: ", b.BuildingUse.toQString());
    yellow(u"SubCategoria: ", b.BuildingType.toQString());
    yellow(u"Tipo: ", b.ServiceGroup.toQString());
    yellow(u"SubTipo: ", b.Service.toQString());
    // The area shows the stored single-precision value exactly: 120,3 reads 120,300003051758.
    yellow(u"Área: ", formatGeneral(double(b.Area)) + QStringLiteral(" m2"));
    yellow(u"Recursos de mão de obra técnica: ", QString::number(b.Hxh) + QStringLiteral(" Hxh"));
}

void addCosts(QList<ReportLine>& lines, const TBudgetData& b)
{
    const auto yellow = [&lines](const char16_t* caption, float value) {
        lines.append(ReportLine::valued(QString::fromUtf16(caption), money(value), kReportYellow));
    };
    yellow(u"Custo rateado do escritório:", b.OfficeShare);
    yellow(u"Custo da equipe técnica do projeto:", b.TeamCostTotal);
    yellow(u"Despesas de Deslocamento:", b.TravelExpenses);
    yellow(u"Despesas com terceiros:", b.ThirdParty);
    yellow(u"Despesas com RRT:", b.RRT);
    yellow(u"Adicional de qualificação do escritório:", b.QualificationAddition);
    yellow(u"Desconto por repetição do projeto:", b.RepetitionDiscount);
}

void addResults(QList<ReportLine>& lines, const TBudgetData& b, const NegotiatedFigures& n)
{
    lines.append(ReportLine::valued(QStringLiteral("Valor calculado:"), money(b.BudgetValue), kReportAqua));
    lines.append(ReportLine::valued(QStringLiteral("Imposto (%1 %):").arg(oneDecimal(b.TaxRate)), money(b.Taxes),
                                    kReportOrange));
    lines.append(ReportLine::valued(QStringLiteral("Lucro líquido (%1 %):").arg(oneDecimal(b.ProfitPercent)),
                                    money(b.Profit), kReportGreen));
    lines.append(ReportLine::separator(kReportGreen));
    lines.append(ReportLine::valued(QStringLiteral("Valor Negociado:"), money(n.value), kReportAqua));
    // Nothing negotiated yet: a tax and a loss on a value of 0 would only alarm the reader.
    if (n.value == 0.0f) {
        lines.append(ReportLine::valued(QStringLiteral("Imposto no valor negociado:"), QStringLiteral("—"),
                                        kReportOrange));
        lines.append(ReportLine::valued(QStringLiteral("Lucro no valor negociado:"), QStringLiteral("—"),
                                        kReportGreen));
        return;
    }
    lines.append(ReportLine::valued(QStringLiteral("Imposto no valor negociado (%1 %):").arg(oneDecimal(b.TaxRate)),
                                    money(n.tax), kReportOrange));
    const QString percent = n.percentKnown ? oneDecimal(n.profitPercent) : QString::fromUtf16(kReportNoPercent);
    lines.append(ReportLine::valued(QStringLiteral("Lucro no valor negociado (%1 %):").arg(percent), money(n.profit),
                                    kReportGreen));
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

void appendPaymentLines(QList<ReportLine>& lines, const PaymentSchedule& payments, double fee)
{
    if (payments.empty())
        return;
    lines.append(ReportLine::separator(kReportWhite));
    lines.append(ReportLine::alone(QStringLiteral("Cronograma de pagamento"), kReportWhite));
    const PaymentTable table = paymentTable(payments, fee);
    for (const ProposalInstalment& row : table.rows)
        lines.append(ReportLine::instalment(QStringLiteral("%1 (%2): ").arg(row.stage, row.share), row.value, row.due));
    lines.append(ReportLine::instalment(QStringLiteral("%1 (%2): ").arg(table.total.stage, table.total.share),
                                        table.total.value, {}));
}

int paymentLinesStart(const QList<ReportLine>& lines)
{
    for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i].kind == ReportLine::Kind::Separator && lines[i + 2].kind == ReportLine::Kind::Instalment)
            return int(i);
    }
    return -1;
}

QString BudgetReportClipboardText(const QString& officeName, const QList<ReportLine>& report,
                                  const QString& observations)
{
    QStringList lines;
    lines << QStringLiteral("Escritório :") + officeName
                 + QStringLiteral(" - Orçamento para projeto arquitetônico.")
          << QString()
          << QStringLiteral("Data atual :") + Clock::today().toString(QStringLiteral("dd/MM/yyyy"))
          << QString();
    for (const ReportLine& line : report)
        lines << linesOf(line.text);
    lines << QString() << QStringLiteral("Observações") << linesOf(observations);
    return lines.join(QLatin1String("\r\n"));
}

} // namespace belvane
