#pragma once
// The history page: every saved budget in the grid Ng8, the toolbar ("Editar", "Resumo",
// "Excluir", "Grifar", "Cores", "Exportar CSV", the search box), the report panel and the colour
// panel. Grid edits change only the history in memory; they reach the budget files at the close
// of the program.
#include "core/history/ClientProposal.h"
#include "core/history/HistoryBook.h"
#include "core/history/HistoryRowReport.h"
#include "core/settings/StatusColors.h"
#include "ui/app/Page.h"

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace belvane {

class AppState;
class ColorPanel;
class HistoryModel;
class ReportPanel;

class HistoryPage : public Page {
    Q_OBJECT
public:
    HistoryPage(AppState& state, QWidget* parent);

    void pageShown() override { showStatusHighlight(); }
    QList<PageKey> pageKeys() const override;

    AppState& state() { return m_state; }
    HistoryModel* model() const { return m_model; }
    QTableView* grid() const { return m_grid; }
    // The status colours as the swatches of the colour panel show them now.
    TStatusColors swatches() const;
    // The history table changed outside the page (read at start, a budget saved).
    void historyChanged();
    int selectedRow() const;
    void selectRow(int row);

    // Entering the page: the "Grifar" button and the status cells as the highlight is now.
    void showStatusHighlight();
    void PaintStatusCells();
    void SearchHistory(const QString& text);
    // Fills the report panel with the row's budget; false (the user told) when its file could
    // not be read. Observations typed for the budget shown before are stored first.
    bool ShowBudgetReport(int row);
    // Stores the observations being typed into the open report's budget (closing the program).
    void storeReportNotes();
    // Stores them and hides the report ("Fechar" (SpeedButton7), "Excluir").
    void closeReport();
    // Hides the report without storing: the data it showed were replaced (a backup restored).
    void discardReport();

public slots:
    void reopenSelectedBudget();    // "Editar" (AbColBitBtn19): reopen the budget
    void showSelectedReport();      // "Resumo" (AbColBitBtn17): the report
    void deleteSelectedBudget();    // "Excluir" (AbColBitBtn20)
    void toggleStatusHighlight();   // "Grifar" (AbColBitBtn18)
    void toggleColorPanel();        // "Cores" (AbColBitBtn16)
    void exportCsv();               // "Exportar CSV" (ExportCsvButton): the grid as a spreadsheet file
    void confirmColors();           // "OK" of the colour panel (SpeedButton31)
    void copyReport();              // "Copiar para ClipBoard" of the report (SpeedButton5)
    void searchTypedText();         // "Buscar" (Label73), or Enter in the search box
    void exportReportPdf();      // "Exportar PDF" of the report
    void printReport();          // "Imprimir" of the report
    void restoreRevision(int revision); // "Restaurar revisão" of the report
    // Reads the row's budget into the project page, as "Editar" does.
    void reopenBudgetOfRow(int row);

signals:
    // CurrentBudget now holds a reopened budget: show it on the project page.
    void budgetReopened();
    // The user confirmed the colour panel: the colours must be saved.
    void colorsConfirmed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The report's revisions and status history for the budget `number` of `row`.
    void showVersions(int row, int number);
    // Shows the report's status history again when it is the budget's: the grid changed it.
    void refreshVersionsOf(int number);
    // The user set a budget's status or negotiated value: the moment is noted, and a lost budget
    // asks for its reason.
    void commercialStateEdited(int budgetNumber, int column, const QString& text);
    // The sentence "Excluir" adds about the revisions going with the budget; empty when none.
    QString revisionsToDelete(int number) const;
    // What the question of "Excluir" says of the hours recorded on the budget.
    QString hoursToDelete(int number) const;
    // What the proposal to the client draws from beyond the budget file.
    ProposalTerms proposalTerms(int number) const;
    // The report of a row with its payment schedule after it, as the panel and the documents show it.
    HistoryRowReport scheduledReport(int row) const;
    // A seat that only reads: the page takes no deletion or edit.
    void followWriteAccess();
    QWidget* buildToolbar();
    void buildGrid();
    void placePanels();
    void followSelectedCell(const QModelIndex& cell);
    // A row double-clicked in the grid (Ng8): the report panel filled with its budget.
    void loadReportOfRow(int row);
    void sortByHeader(int column);
    // The history columns the grid shows, left to right as the user sees them.
    std::vector<int> shownColumns() const;
    // The report's budget as the chosen paper version; false (the user told) when the report's
    // budget file could not be read.
    bool reportDocument(QString& officeName, QString& bodyHtml, QString& budgetFileName);

    AppState& m_state;
    HistoryModel* m_model = nullptr;
    QTableView* m_grid = nullptr;      // Ng8
    QLineEdit* m_search = nullptr;     // Edit1
    QLabel* m_searchResult = nullptr;  // what the last search found
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_highlightButton = nullptr;  // AbColBitBtn18, "Grifar"
    QList<PageKey> m_toolbarKeys;              // the toolbar buttons' keys
    ReportPanel* m_report = nullptr;   // NxHeaderPanel14
    ColorPanel* m_colors = nullptr;    // NxHeaderPanel15
    HistoryBook m_book;                // the history's rules: marks, search, the open report
    int m_sortColumn = -1;
    // The budget whose versions the report lists.
    int m_versionsNumber = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace belvane
