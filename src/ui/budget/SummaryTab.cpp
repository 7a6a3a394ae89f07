#include "ui/budget/SummaryTab.h"

#include "core/budget/BudgetCalc.h"
#include "core/budget/BudgetIndices.h"
#include "core/budget/SingleRounding.h"
#include "core/budget/TextFieldCapacities.h"
#include "ui/app/AppState.h"
#include "ui/budget/CompositionChart.h"
#include "ui/budget/FieldCaption.h"
#include "ui/budget/PriceCheckPanel.h"
#include "ui/budget/RenegotiationSpin.h"
#include "ui/budget/SaveAsPanel.h"
#include "ui/widgets/NumberEdit.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/TextCapacityLimit.h"
#include "ui/widgets/Theme.h"

#include <QEvent>
#include <QStackedBarSeries>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace belvane {
namespace {

// Lays the fields out in reading order over two label-and-value column pairs.
void addFields(QGridLayout* grid, const QList<std::pair<QWidget*, QString>>& fields)
{
    for (int i = 0; i < int(fields.size()); ++i)
        addSideField(grid, i / 2, (i % 2) * 2, fields[i].first, fields[i].second);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

} // namespace

SummaryTab::SummaryTab(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabP_resumo"));
    auto* left = new QVBoxLayout;
    m_saveAs = new SaveAsPanel(this);
    left->addWidget(m_saveAs);
    left->addWidget(buildValuePanel());
    left->addWidget(buildVariablePanel());
    left->addStretch(1);
    auto* chartPanel = new QGroupBox(QStringLiteral("Composição do orçamento "), this);
    m_chart = new CompositionChart(chartPanel);
    // The summary chart takes the look of every chart of the program.
    const auto followLook = [this] { m_state.chartLook().applyTo(m_chart->chart(), m_chart->bars()); };
    followLook();
    connect(&m_state, &AppState::chartLookChanged, this, followLook);
    auto* chartLayout = new QVBoxLayout(chartPanel);
    chartLayout->setContentsMargins(4, 4, 4, 4);
    chartLayout->addWidget(m_chart);
    // The price check sits under the chart: both speak of the value the budget arrived at.
    auto* right = new QVBoxLayout;
    right->addWidget(chartPanel, 1);
    m_priceCheck = new PriceCheckPanel(this);
    right->addWidget(m_priceCheck);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);
    connect(m_profitSpin, &RenegotiationSpin::spun, this, &SummaryTab::renegotiateProfit);
    connect(m_taxSpin, &RenegotiationSpin::spun, this, &SummaryTab::renegotiateProfit);
}

NumberEdit* SummaryTab::display(const char* name, const char* pattern)
{
    auto* edit = new NumberEdit(QString::fromLatin1(name), QString::fromLatin1(pattern), this);
    edit->setDisplayOnly(true);
    edit->setValue(0.0);
    return edit;
}

QLineEdit* SummaryTab::textDisplay(const char* name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

QWidget* SummaryTab::buildValuePanel()
{
    auto* panel = new QGroupBox(QStringLiteral("Orçamento "), this);
    m_bonus = display("R_bonus", "#0.00");
    m_discount = display("R_desconto", "#0.00");
    m_rrt = display("R_ART", "#0.00");
    m_ownExpenses = display("R_despesas", "#0.00");
    m_taxes = display("R_impostosR", "#0.00");
    m_profit = display("R_lucroR", "#0.00");
    m_value = display("R_orca", "#0.00");
    m_valuePerM2 = display("R_orcaM2", "#0.00");
    m_k1 = display("R_k1", "#0.0");
    m_k1->setToolTip(QStringLiteral("O quanto este projeto remunera o escritório"));
    m_k2 = display("R_K2", "#0.0");
    m_k2->setToolTip(QStringLiteral("O quanto o projeto utiliza  da Equipe Técnica do escritório"));
    for (NumberEdit* headline : {m_value, m_valuePerM2})
        headline->setStyleSheet(theme::accented(QStringLiteral("font-weight: bold; color: @accent-light;")));
    addFields(new QGridLayout(panel),
              {{m_bonus, u"Qualif. do escritório[R$]"_qs}, {m_discount, u"Desconto-Repetição[R$]"_qs},
               {m_rrt, u"RRT [R$]"_qs}, {m_ownExpenses, u"Despesas próprias [R$]"_qs},
               {m_taxes, u"Impostos  [R$]"_qs}, {m_profit, u"Lucro líquido [R$]"_qs},
               {m_value, u"Orçamento  [R$]"_qs}, {m_valuePerM2, u"Orçamento  [R$/m2]"_qs},
               {m_k1, u"K1 [%]"_qs}, {m_k2, u"K2 [%]"_qs}});
    captionOf(m_k1)->setToolTip(m_k1->toolTip());
    captionOf(m_k2)->setToolTip(m_k2->toolTip());
    return panel;
}

void SummaryTab::makeVariableDisplays()
{
    m_client = textDisplay("R_Prop");
    m_number = textDisplay("R_numero");
    m_number->setText(QStringLiteral("- x- "));
    m_status = textDisplay("R_status");
    m_use = textDisplay("R_cat");
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("R_codigo"));
    limitToCapacity(m_code, textCapacity::kProjectCode);
    m_code->installEventFilter(this);
    m_service = textDisplay("R_Subtipo");
    m_costPerHour = display("R_CustoHEscr", "#0.00");
    m_area = display("R_area", "#0.0#");
    m_complexity = display("R_Fcomplex", "#0.00#");
    m_officeShare = display("R_rateio", "#0.00");
    m_hxh = display("R_Hxh", "#000#");
    m_standard = textDisplay("R_padraoE");
    m_teamCost = display("R_despTec", "#0.00");
    m_repetitions = display("R_repet", "#000#");
    m_repetitionFactor = display("R_Fr", "#0.00#");
    m_travel = display("R_desloc", "#0.00");
    m_time = display("R_tempo", "0.0");
    m_profitSpin = new RenegotiationSpin(QStringLiteral("R_lucro"), 0.5, this);
    m_thirdParty = display("R_terceiros", "#0.00");
    m_taxSpin = new RenegotiationSpin(QStringLiteral("R_impostos"), 0.1, this);
    m_equivalent = display("R_tecnicos", "#0.0");
    m_standardFactor = display("R_Fpadrao", "#0.00#");
    m_category = display("R_idCAT", "#0.00#");
}

QWidget* SummaryTab::buildVariablePanel()
{
    makeVariableDisplays();
    auto* panel = new QGroupBox(QStringLiteral("Variáveis de cálculo"), this);
    auto* grid = new QGridLayout(panel);
    addFields(grid, {{m_client, u"Cliente"_qs}, {m_number, u"Nº"_qs}, {m_status, u"Status"_qs},
                     {m_use, u"Categoria"_qs}, {m_code, u"Código do Projeto"_qs},
                     {m_service, u"Sub tipo do Projeto"_qs}, {m_costPerHour, u"Custo do escritório [R$/h]"_qs},
                     {m_area, u"Área Projetada [m2]"_qs}, {m_complexity, u"Fator de complexidade"_qs},
                     {m_officeShare, u"Rateio do escritório [R$]"_qs}, {m_hxh, u"Mão de obra [Hxh] "_qs},
                     {m_standard, u"Padrão do Escritório"_qs}, {m_teamCost, u"Custo da Equipe técnica [R$]"_qs},
                     {m_repetitions, u"Repetições"_qs}, {m_repetitionFactor, u"Fator de repetição"_qs},
                     {m_travel, u"Deslocamentos [R$]"_qs}, {m_time, u"Tempo execução[h]"_qs},
                     {m_profitSpin, u"Lucro líquido  [%]"_qs}, {m_thirdParty, u"Terceiros [R$]"_qs},
                     {m_taxSpin, u"Impostos [%]"_qs}, {m_equivalent, u"Equipe técnica"_qs},
                     {m_standardFactor, u"Fe"_qs}, {m_category, u"IdCAT"_qs}});
    // Kept for the record's sake but not shown: the team equivalent, Fe and the category number.
    for (QWidget* hidden : std::initializer_list<QWidget*>{m_equivalent, m_standardFactor, m_category}) {
        hidden->hide();
        captionOf(hidden)->hide();
    }
    return panel;
}

bool SummaryTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_code && event->type() == QEvent::MouseButtonPress)
        treatAsStoredBudget();
    return QWidget::eventFilter(watched, event);
}

void SummaryTab::treatAsStoredBudget()
{
    // A budget whose code was touched is treated as a stored one: the next generation warns that
    // it recalculates, and the next save offers to overwrite or to save as new.
    m_state.editBudget().setReopened(true);
}

void SummaryTab::showNumberAndTax(const TBudgetData& b)
{
    m_number->setText(QString::number(b.Number));
    m_taxSpin->setValue(b.TaxRate);
}

void SummaryTab::showNumberAndStatus(const TBudgetData& b)
{
    m_number->setText(QString::number(b.Number));
    m_status->setText(b.Status.toQString());
}

QString SummaryTab::projectCodeText() const
{
    return m_code->text();
}

void SummaryTab::showRenegotiated(const TBudgetData& b)
{
    m_profit->setValue(b.Profit);
    m_value->setValue(b.BudgetValue);
    m_valuePerM2->setValue(b.ValuePerM2);
    m_taxes->setValue(b.Taxes);
    m_profitSpin->setValue(b.ProfitPercent);
    m_chart->showComposition(b);
    m_chart->showZeroProfit(zeroProfitValue(b));
}

void SummaryTab::showValueParts(const TBudgetData& b)
{
    m_bonus->setValue(b.QualificationAddition);
    m_discount->setValue(b.RepetitionDiscount);
    m_rrt->setValue(b.RRT);
    m_ownExpenses->setValue(b.OwnExpenses);
    m_taxSpin->setValue(b.TaxRate);
    showRenegotiated(b);
}

void SummaryTab::showVariables(const TBudgetData& b)
{
    m_client->setText(b.ClientName.toQString());
    m_number->setText(QString::number(b.Number));
    m_status->setText(b.Status.toQString());
    m_use->setText(b.BuildingUse.toQString());
    m_code->setText(b.ProjectCode.toQString());
    m_service->setText(b.Service.toQString());
    // Long names are read from their beginning.
    for (QLineEdit* name : {m_client, m_use, m_service})
        name->setCursorPosition(0);
    m_costPerHour->setValue(b.CostPerHour);
    m_area->setValue(b.Area);
    m_complexity->setValue(b.ComplexityFactor);
    m_officeShare->setValue(b.OfficeShare);
    m_hxh->setValue(b.Hxh);
    m_standard->setText(b.OfficeStandard.toQString());
    m_teamCost->setValue(b.TeamCostTotal);
    m_repetitions->setValue(b.Repetitions);
    m_repetitionFactor->setValue(b.RepetitionFactor);
    m_travel->setValue(b.TravelExpenses);
    m_time->setValue(b.ExecutionHours);
    m_thirdParty->setValue(b.ThirdParty);
    m_equivalent->setValue(b.TeamEquivalent);
    m_standardFactor->setValue(b.StandardFactor);
    m_category->setValue(b.ProjectCategory);
}

void SummaryTab::ShowSummary()
{
    const TBudgetData& b = m_state.budget().record();
    showVariables(b);
    showValueParts(b);
    m_k1->setValue(b.K1);
    m_k2->setValue(b.K2);
    showPriceCheck();
}

void SummaryTab::showPriceCheck()
{
    m_priceCheck->showCheck(m_state.priceCheckOf(m_state.budget().record()));
}

void SummaryTab::renegotiateProfit()
{
    renegotiate(narrowToSingle(m_taxSpin->value()), narrowToSingle(m_profitSpin->value()));
}

void SummaryTab::renegotiate(float taxRate, float profitPercent)
{
    const BudgetComputation computed = m_state.editBudget().renegotiate(taxRate, profitPercent, m_state.currentOffice());
    const TBudgetData& b = m_state.budget().record();
    if (computed.refused()) {
        // A tax of 100 % or more has no quoted value: the last valid figures stay, spins included.
        m_taxSpin->setValue(b.TaxRate);
        m_profitSpin->setValue(b.ProfitPercent);
        Prompts::inform(this, computed.message());
        return;
    }
    emit profitRenegotiated(b.ProfitPercent);
    showRenegotiated(b);
    m_k1->setValue(b.K1);
    showPriceCheck();
}

} // namespace belvane
