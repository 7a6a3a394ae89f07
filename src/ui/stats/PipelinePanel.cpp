#include "ui/stats/PipelinePanel.h"

#include "ui/stats/ConversionChart.h"
#include "ui/widgets/FigureTable.h"
#include "ui/widgets/NamedButton.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace belvane {
namespace {

constexpr int kSummaryWidth = 300;

// A table that only shows figures: nothing in it is chosen; its widest text column stretches.
QTableWidget* shownFigures(const char* name, const QStringList& headers, QWidget* parent)
{
    QTableWidget* table = figureTable(name, headers, parent);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(headers.size() > 2 ? 1 : 0, QHeaderView::Stretch);
    return table;
}

void fill(QTableWidget* table, const QList<QStringList>& rows)
{
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            auto* item = new QTableWidgetItem(rows[row][column]);
            if (column == rows[row].size() - 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
}

QLabel* figure(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #9fd3ff; font-weight: bold;"));
    return label;
}

} // namespace

PipelinePanel::PipelinePanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Funil de orçamentos"), parent), m_chart(new ConversionChart(this))
{
    setObjectName(QStringLiteral("PipelinePanel"));
    m_uses = shownFigures("PF_uses", {QStringLiteral("Uso"), QStringLiteral("Conversão")}, this);
    m_reasons =
        shownFigures("PF_reasons", {QStringLiteral("Motivo da perda"), QStringLiteral("Orçamentos")}, this);
    auto* tables = new QVBoxLayout;
    tables->addWidget(new QLabel(QStringLiteral("Conversão por uso"), this));
    tables->addWidget(m_uses, 3);
    tables->addWidget(new QLabel(QStringLiteral("Motivos de perda"), this));
    tables->addWidget(m_reasons, 2);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(8);
    layout->addWidget(buildSummary());
    layout->addWidget(m_chart, 3);
    layout->addLayout(tables, 2);
}

QWidget* PipelinePanel::buildSummary()
{
    auto* column = new QWidget(this);
    column->setFixedWidth(kSummaryWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_rate = figure("PF_rate", column);
    m_concession = figure("PF_concession", column);
    m_open = figure("PF_open", column);
    m_oldest = shownFigures(
        "PF_oldest", {QStringLiteral("Nº"), QStringLiteral("Cliente"), QStringLiteral("Dias")}, column);
    auto* exportButton = namedButton("PF_export", QStringLiteral("Exportar CSV"), column);
    exportButton->setToolTip(QStringLiteral("Salvar os números do funil numa planilha"));
    connect(exportButton, &QPushButton::clicked, this, &PipelinePanel::exportClicked);
    layout->addWidget(new QLabel(QStringLiteral("Conversão no ano"), column));
    layout->addWidget(m_rate);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("Concessão entre valor calculado e negociado"), column));
    layout->addWidget(m_concession);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("Aguardando resposta"), column));
    layout->addWidget(m_open);
    layout->addWidget(m_oldest, 1);
    layout->addWidget(exportButton, 0, Qt::AlignLeft);
    return column;
}

void PipelinePanel::showFigures(const PipelineStatistics& figures)
{
    m_rate->setText(figures.year.text());
    m_concession->setText(figures.concessionText());
    m_open->setText(figures.openText());
    QList<QStringList> oldest;
    for (const OpenQuote& quote : figures.oldestOpen)
        oldest << QStringList{QString::number(quote.number), quote.client, QString::number(quote.ageDays)};
    fill(m_oldest, oldest);
    QList<QStringList> uses;
    for (const auto& [use, rate] : figures.byUse)
        uses << QStringList{use, rate.text()};
    fill(m_uses, uses);
    QList<QStringList> reasons;
    for (const auto& [reason, count] : figures.lostReasons)
        reasons << QStringList{reason, QString::number(count)};
    fill(m_reasons, reasons);
    m_chart->showRates(figures);
}

} // namespace belvane
