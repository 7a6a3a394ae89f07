#include "ui/budget/PaymentTab.h"

#include "core/payment/PaymentSchedule.h"
#include "core/text/NumberFormat.h"
#include "ui/app/AppState.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NamedButton.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {
namespace {

enum PaymentColumn { kStage = 0, kShare = 1, kValue = 2, kDue = 3 };

QList<EditableGrid::Column> paymentColumns()
{
    EditableGrid::Column stage{QStringLiteral("Etapa"), EditableGrid::Kind::Text};
    stage.maxLength = 80;
    EditableGrid::Column share{QStringLiteral("%"), EditableGrid::Kind::Number};
    share.pattern = QStringLiteral("0.0");
    share.negativeAllowed = false;
    share.numberMaximum = 100.0;
    share.width = 70;
    EditableGrid::Column value{QStringLiteral("Valor [R$]"), EditableGrid::Kind::Number};
    value.pattern = QStringLiteral("#0.00");
    value.editable = false;
    value.width = 120;
    EditableGrid::Column due{QStringLiteral("Vencimento"), EditableGrid::Kind::Text};
    due.maxLength = 80;
    return {stage, share, value, due};
}

} // namespace

PaymentTab::PaymentTab(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabP_pagamento"));
    auto* panel = new QGroupBox(QStringLiteral("Cronograma de pagamento"), this);
    m_grid = new EditableGrid(QStringLiteral("NgPag"), paymentColumns(), panel);
    m_total = new QLabel(panel);
    m_total->setObjectName(QStringLiteral("PagTotal"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* buttons = new QHBoxLayout;
    const struct {
        const char* name;
        const char16_t* caption;
        const char16_t* hint;
        std::function<void()> act;
    } actions[] = {
        {"PagAdd", u"Adicionar", u"Adicionar uma parcela", [this] { addInstalment(); }},
        {"PagDel", u"Excluir", u"Excluir a parcela selecionada", [this] { deleteInstalment(); }},
        {"PagUp", u"Subir", u"Mover a parcela selecionada para cima", [this] { moveInstalment(-1); }},
        {"PagDown", u"Descer", u"Mover a parcela selecionada para baixo", [this] { moveInstalment(+1); }},
    };
    for (const auto& a : actions) {
        QPushButton* button = namedButton(a.name, QString::fromUtf16(a.caption), panel,
                                          QString::fromUtf16(a.hint), QSize(90, 28));
        connect(button, &QPushButton::clicked, this, a.act);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(m_total);

    auto* inner = new QVBoxLayout(panel);
    inner->addWidget(m_grid, 1);
    inner->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->addWidget(panel);
    connect(m_grid, &EditableGrid::afterEdit, this, [this] {
        pullRows();
        showValues();
        emit edited();
    });
}

void PaymentTab::showSchedule()
{
    m_grid->removeAllRows();
    for (const Instalment& instalment : m_state.budget().payments().instalments()) {
        const int row = m_grid->appendRow();
        m_grid->setCellText({row, kStage}, instalment.stage);
        m_grid->setCellNumber({row, kShare}, instalment.percent);
        m_grid->setCellText({row, kDue}, instalment.due);
    }
    showValues();
}

void PaymentTab::commitOpenEdits()
{
    m_grid->commitOpenEditor();
}

void PaymentTab::pullRows()
{
    std::vector<Instalment> instalments;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        instalments.push_back({m_grid->cellText({row, kStage}).trimmed(),
                               roundToTenth(m_grid->cellNumber({row, kShare}).value_or(0.0)),
                               m_grid->cellText({row, kDue}).trimmed()});
    }
    m_state.editBudget().setPayments(PaymentSchedule(std::move(instalments)));
}

void PaymentTab::showValues()
{
    const PaymentSchedule& schedule = m_state.budget().payments();
    const double fee = m_state.workspace().feeToScheduleOf(m_state.budget().record());
    const std::vector<double> values = schedule.values(fee);
    double sum = 0;
    for (int row = 0; row < m_grid->rowCount() && row < int(values.size()); ++row) {
        m_grid->setCellNumber({row, kValue}, values[std::size_t(row)]);
        sum += values[std::size_t(row)];
    }
    m_total->setText(QStringLiteral("Total: %1 %   R$ %2")
                         .arg(formatNumber(schedule.totalPercent(), u"0.0"),
                              formatNumber(roundToCentavo(sum), u"#,##0.00")));
    m_total->setStyleSheet(schedule.empty() || schedule.complete()
                               ? QStringLiteral("font-weight: bold;")
                               : QStringLiteral("font-weight: bold; color: #ff5a5f;"));
}

void PaymentTab::addInstalment()
{
    const int row = m_grid->appendRow();
    pullRows();
    showValues();
    m_grid->setCurrentCell(row, kStage);
    m_grid->setFocus();
    emit edited();
}

void PaymentTab::deleteInstalment()
{
    const int row = m_grid->selectedRow();
    if (row < 0)
        return;
    m_grid->removeRow(row);
    pullRows();
    showValues();
    emit edited();
}

void PaymentTab::moveInstalment(int step)
{
    const int row = m_grid->selectedRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_grid->rowCount())
        return;
    pullRows();
    std::vector<Instalment> instalments = m_state.budget().payments().instalments();
    std::swap(instalments[std::size_t(row)], instalments[std::size_t(target)]);
    m_state.editBudget().setPayments(PaymentSchedule(std::move(instalments)));
    showSchedule();
    m_grid->selectRow(target);
    emit edited();
}

} // namespace belvane
