#include "ui/history/RevisionsPanel.h"

#include "core/revisions/RevisionComparison.h"
#include "core/text/NumberFormat.h"
#include "ui/widgets/FigureTable.h"
#include "ui/widgets/NamedButton.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace belvane {
namespace {

constexpr auto kListStyle = "QTableWidget { background: #373737; color: white; border: 1px solid #55555c; }";

QTableWidget* listTable(const char* name, const QStringList& headers, QWidget* parent)
{
    QTableWidget* table = figureTable(name, headers, parent);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setDefaultSectionSize(22);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setStyleSheet(QString::fromLatin1(kListStyle));
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells, int firstRightAligned)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column >= firstRightAligned)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

QString negotiatedText(const QString& logged)
{
    if (logged.isEmpty())
        return {};
    return QStringLiteral("R$ ") + formatNumber(logged.toDouble(), u"#,##0.00");
}

QString versionName(const BudgetVersion& version)
{
    return version.current() ? QStringLiteral("Atual") : QStringLiteral("Revisão %1").arg(version.revision);
}

} // namespace

RevisionsPanel::RevisionsPanel(QWidget* parent) : QWidget(parent)
{
    m_revisions =
        listTable("RevisionList",
                  {QStringLiteral("Nº"), QStringLiteral("Guardada em"), QStringLiteral("Valor orçado"),
                   QStringLiteral("Lucro %"), QStringLiteral("Imposto %"), QStringLiteral("Hxh")},
                  this);
    m_revisions->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_revisions->setToolTip(QStringLiteral("Escolha duas versões (Ctrl+clique) para compará-las"));
    m_history = listTable("StatusHistoryList",
                          {QStringLiteral("Data"), QStringLiteral("Status"), QStringLiteral("Negociado"),
                           QStringLiteral("Motivo")},
                          this);
    m_history->setSelectionMode(QAbstractItemView::NoSelection);
    m_compare = listTable("RevisionCompare", {QString(), QString(), QString()}, parent);
    m_compare->setSelectionMode(QAbstractItemView::NoSelection);
    m_compare->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_compare->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_compare->hide();

    m_restore = namedButton("RestaurarRevisao", QStringLiteral("Restaurar revisão"), this);
    m_restore->setToolTip(QStringLiteral("Tornar a revisão escolhida o orçamento atual; "
                                         "a versão atual fica guardada como revisão"));
    m_restore->setEnabled(false);
    m_hint = new QLabel(this);
    m_hint->setWordWrap(true);
    m_hint->setStyleSheet(QStringLiteral("color: #c8c8c8;"));

    connect(m_revisions, &QTableWidget::itemSelectionChanged, this, &RevisionsPanel::versionsChosen);
    connect(m_restore, &QPushButton::clicked, this, [this] {
        const std::vector<int> chosen = chosenVersions();
        if (chosen.size() == 1)
            emit restoreRequested(m_versions[std::size_t(chosen.front())].revision);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Revisões :"), this));
    layout->addWidget(m_revisions, 3);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addWidget(m_hint, 1);
    restoreRow->addWidget(m_restore);
    layout->addLayout(restoreRow);
    layout->addWidget(new QLabel(QStringLiteral("Histórico de status :"), this));
    layout->addWidget(m_history, 2);
}

void RevisionsPanel::showBudget(std::vector<BudgetVersion> versions,
                                const std::vector<StatusHistoryEntry>& history)
{
    m_versions = std::move(versions);
    {
        const QSignalBlocker quiet(m_revisions);
        m_revisions->clearSelection();
        m_revisions->setRowCount(int(m_versions.size()));
        for (std::size_t i = 0; i < m_versions.size(); ++i)
            setRow(m_revisions, int(i), budgetVersionCells(m_versions[i]), 2);
    }
    m_history->setRowCount(int(history.size()));
    for (std::size_t i = 0; i < history.size(); ++i) {
        const StatusHistoryEntry& entry = history[i];
        setRow(m_history, int(i),
               {entry.at.toString(QStringLiteral("dd/MM/yyyy hh:mm")), entry.status,
                negotiatedText(entry.negotiated), entry.reason},
               2);
        // The reason stands left like the other words.
        m_history->item(int(i), 3)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    versionsChosen();
}

void RevisionsPanel::setRestoreAllowed(bool allowed)
{
    m_restoreAllowed = allowed;
    versionsChosen();
}

std::vector<int> RevisionsPanel::chosenVersions() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_revisions->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void RevisionsPanel::versionsChosen()
{
    const std::vector<int> chosen = chosenVersions();
    const bool one = chosen.size() == 1;
    const BudgetVersion* single = one ? &m_versions[std::size_t(chosen.front())] : nullptr;
    m_restore->setEnabled(m_restoreAllowed && single && !single->current() && single->budget);
    if (m_versions.size() < 2)
        m_hint->setText(m_versions.empty() ? QString() : QStringLiteral("Nenhuma revisão guardada ainda."));
    else
        m_hint->setText(QStringLiteral("Ctrl+clique em duas versões para compará-las."));

    const bool pair = chosen.size() == 2 && m_versions[std::size_t(chosen[0])].budget
        && m_versions[std::size_t(chosen[1])].budget;
    if (pair) {
        const BudgetVersion& left = m_versions[std::size_t(chosen[0])];
        const BudgetVersion& right = m_versions[std::size_t(chosen[1])];
        const std::vector<ComparedFigure> figures = compareBudgetVersions(*left.budget, *right.budget);
        m_compare->setHorizontalHeaderLabels({QString(), versionName(left), versionName(right)});
        m_compare->setRowCount(int(figures.size()));
        for (std::size_t i = 0; i < figures.size(); ++i) {
            const ComparedFigure& figure = figures[i];
            setRow(m_compare, int(i), {figure.label, figure.left, figure.right}, 1);
            // Every figure that changed between the versions stands out.
            for (int column = 0; column < 3 && figure.differs; ++column) {
                QTableWidgetItem* item = m_compare->item(int(i), column);
                item->setBackground(QColor(0x6b, 0x4a, 0x12));
                item->setForeground(QColor(0xff, 0xd0, 0x80));
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
        }
    }
    if (pair != m_comparing || pair) {
        m_comparing = pair;
        emit comparingChanged(pair);
    }
}

} // namespace belvane
