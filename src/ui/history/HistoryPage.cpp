#include "ui/history/HistoryPage.h"

#include "core/text/Clock.h"
#include "ui/app/AppState.h"
#include "ui/history/ColorPanel.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryDelegate.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/ReportPanel.h"
#include "ui/history/RevisionsPanel.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/NamedButton.h"
#include "ui/widgets/Theme.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace belvane {
namespace {

QPushButton* toolButton(const char* name, const QString& caption, const QString& hint, QWidget* parent)
{
    return namedButton(name, caption, parent, hint, QSize(90, 32));
}

} // namespace

HistoryPage::HistoryPage(AppState& state, QWidget* parent) : Page(parent), m_state(state), m_book(state.workspace().history())
{
    setObjectName(QStringLiteral("TabHistorico"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(buildToolbar());
    buildGrid();
    layout->addWidget(m_grid, 1);

    m_report = new ReportPanel(this);
    m_report->hide();
    connect(m_report, &ReportPanel::closeClicked, this, &HistoryPage::closeReport);
    connect(m_report, &ReportPanel::copyClicked, this, &HistoryPage::copyReport);
    connect(m_report, &ReportPanel::exportPdfClicked, this, &HistoryPage::exportReportPdf);
    connect(m_report, &ReportPanel::printClicked, this, &HistoryPage::printReport);
    connect(m_report->revisions(), &RevisionsPanel::restoreRequested, this, &HistoryPage::restoreRevision);
    m_colors = new ColorPanel(this);
    m_colors->hide();
    connect(m_colors, &ColorPanel::okClicked, this, &HistoryPage::confirmColors);
    // The swatches on the panel are the colours the history shows; the state tells everyone.
    m_colors->setSwatches(m_state.shownColors());
    connect(m_colors, &ColorPanel::swatchChosen, this,
            [this] { m_state.setShownColors(m_colors->swatches(m_state.statusColors())); });
    connect(&m_state, &AppState::shownColorsChanged, this, [this] { m_colors->setSwatches(m_state.shownColors()); });
    connect(&m_state, &AppState::historyChanged, this, &HistoryPage::historyChanged);
    connect(&m_state, &AppState::writeAccessChanged, this, &HistoryPage::followWriteAccess);
    // A report of the folder before it was read anew (a restored backup) is of no budget now.
    connect(&m_state, &AppState::dataLoadedChanged, this, &HistoryPage::discardReport);
    // The page may be built after the seat learnt it only reads.
    followWriteAccess();
}

void HistoryPage::followWriteAccess()
{
    // A seat that only reads deletes nothing and takes no edits: the grid's edits and the
    // observations would only be written at close.
    const bool writes = m_state.writes();
    m_deleteButton->setEnabled(writes);
    m_report->setNotesEditable(writes);
    m_report->revisions()->setRestoreAllowed(writes);
    if (!writes)
        m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QWidget* HistoryPage::buildToolbar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Panel4"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 6);
    auto* title = new QLabel(QStringLiteral("HISTÓRICO"), bar);
    title->setObjectName(QStringLiteral("Label105"));
    title->setFont(theme::displayFont(18, QFont::Bold));
    title->setStyleSheet(theme::accented(QStringLiteral("color: @accent-light;")));
    row->addWidget(title);
    row->addSpacing(16);
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        void (HistoryPage::*slot)();
        QKeySequence keys;
    } buttons[] = {
        {controls::history::kReopen, "Editar", "Editar orçamento", &HistoryPage::reopenSelectedBudget,
         Qt::CTRL | Qt::Key_E},
        {controls::history::kReport, "Resumo", "Resumo", &HistoryPage::showSelectedReport,
         Qt::CTRL | Qt::Key_R},
        {controls::history::kDelete, "Excluir", "Deletar orçamento", &HistoryPage::deleteSelectedBudget,
         Qt::CTRL | Qt::Key_Delete},
        {controls::history::kHighlight, "Grifar", "Grifar Status", &HistoryPage::toggleStatusHighlight,
         Qt::CTRL | Qt::Key_G},
        {controls::history::kColors, "Cores", "Cor do Status", &HistoryPage::toggleColorPanel, {}},
        {"ExportCsvButton",
         "Exportar CSV",
         "Salvar as colunas visíveis numa planilha (LibreOffice Calc, Excel)",
         &HistoryPage::exportCsv,
         {}},
    };
    for (const auto& b : buttons) {
        auto* button = toolButton(b.name, QString::fromUtf8(b.caption), QString::fromUtf8(b.hint), bar);
        connect(button, &QPushButton::clicked, this, b.slot);
        row->addWidget(button);
        if (!b.keys.isEmpty())
            m_toolbarKeys.append(PageKey::pressing(b.keys, button));
        if (b.slot == &HistoryPage::toggleStatusHighlight)
            m_highlightButton = button;
        if (b.slot == &HistoryPage::deleteSelectedBudget)
            m_deleteButton = button;
    }
    // "Grifar" shows whether the statuses are highlighted: pressed while they are.
    m_highlightButton->setCheckable(true);
    m_search = new QLineEdit(bar);
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_search->setMinimumWidth(200);
    m_search->setPlaceholderText(QStringLiteral("Buscar"));
    connect(m_search, &QLineEdit::returnPressed, this, &HistoryPage::searchTypedText);
    m_searchResult = new QLabel(bar);
    m_searchResult->setObjectName(QStringLiteral("SearchResult"));
    m_searchResult->setStyleSheet(theme::accented(QStringLiteral("color: @accent-light;")));
    // The sentence takes the room left between the buttons and the box, never the buttons' own.
    m_searchResult->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_searchResult->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_searchResult, 1);
    row->addWidget(m_search);
    auto* find = new ClickableLabel(QStringLiteral("Label73"), QStringLiteral("🔍"), QStringLiteral("Buscar"), bar);
    connect(find, &ClickableLabel::clicked, this, &HistoryPage::searchTypedText);
    row->addWidget(find);
    return bar;
}

void HistoryPage::buildGrid()
{
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("Ng8"));
    m_model = new HistoryModel(m_state.workspace().history().table(), this);
    m_grid->setModel(m_model);
    connect(m_model, &HistoryModel::rowEdited, this, [this](int row, int column, const CommercialState& before) {
        m_state.workspace().history().noteRowEdit(row, before, Clock::now(), column == kColStatus || column == kColNegotiated);
        // The open report of the row shows the value just typed: its proposal, its clipboard, its
        // status history.
        if (!m_report->isHidden() && m_book.openReport().row(m_book.table()) == row)
            ShowBudgetReport(row);
        else
            refreshVersionsOf(m_book.table().text(row, kColNumber).toInt());
    });
    // Queued: a question about a lost budget waits until the grid's editor has closed.
    connect(m_model, &HistoryModel::commercialStateEdited, this, &HistoryPage::commercialStateEdited,
            Qt::QueuedConnection);
    m_grid->setItemDelegate(new HistoryDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->setWordWrap(false);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    const int widths[kHistoryColumnCount] = {55, 90, 200, 110, 75, 55, 170, 110, 80, 110, 100, 0, 0, 0, 0, 90, 0, 0, 0};
    for (int c = 0; c < kHistoryColumnCount; ++c) {
        m_grid->setColumnHidden(c, !historyColumn(c).shown);
        if (widths[c] > 0)
            m_grid->setColumnWidth(c, widths[c]);
    }
    // The client's name is what a user scans the list by: a wider window widens it.
    header->setSectionResizeMode(kColClient, QHeaderView::Stretch);
    connect(header, &QHeaderView::sectionClicked, this, &HistoryPage::sortByHeader);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    followSelectedCell(current);
            });
    connect(m_grid, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { loadReportOfRow(index.row()); });
}

void HistoryPage::sortByHeader(int column)
{
    // A further click on the same header reverses the order.
    m_sortOrder = (column == m_sortColumn && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder
                                                                               : Qt::AscendingOrder;
    m_sortColumn = column;
    m_grid->horizontalHeader()->setSortIndicator(column, m_sortOrder);
    m_model->sort(column, m_sortOrder);
}

QList<PageKey> HistoryPage::pageKeys() const
{
    QList<PageKey> keys = m_toolbarKeys;
    keys.append(PageKey::pressing(QKeySequence(Qt::Key_Escape), m_report->closeButton()));
    // Ctrl+F goes to the search box, its text chosen so typing replaces it.
    keys.append({QKeySequence(Qt::CTRL | Qt::Key_F), [search = m_search] {
                     if (!search->isVisible())
                         return false;
                     search->setFocus(Qt::ShortcutFocusReason);
                     search->selectAll();
                     return true;
                 }});
    return keys;
}

TStatusColors HistoryPage::swatches() const
{
    return m_state.shownColors();
}

void HistoryPage::historyChanged()
{
    m_model->reload();
}

int HistoryPage::selectedRow() const
{
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void HistoryPage::selectRow(int row)
{
    m_grid->selectRow(row);
}

void HistoryPage::showStatusHighlight()
{
    m_highlightButton->setChecked(m_state.highlightStatus());
    PaintStatusCells();
}

void HistoryPage::PaintStatusCells()
{
    m_model->paintStatusCells(m_state.highlightStatus(), swatches());
}

void HistoryPage::resizeEvent(QResizeEvent* event)
{
    Page::resizeEvent(event);
    placePanels();
}

void HistoryPage::placePanels()
{
    const QRect area = m_grid->geometry();
    m_report->setGeometry(area.adjusted(40, 30, -40, -20));
    m_colors->move(area.right() - m_colors->width() - 20, area.top() + 10);
}

} // namespace belvane
