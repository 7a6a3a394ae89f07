#pragma once
// The project (budget) page: the column of sub-page selectors, the toolbar with "Novo" and
// "Salvar", and the four sub-pages "Dados", "Recursos", "Resumo" and "Pagamento". The pages are
// the user's working copy of the budget; the budget draft (BudgetDraft) is what the calculation,
// the files and the history use, and owns every step of the budget's life. The page copies itself
// into the draft at every generation and shows the draft's record when a budget is started or
// reopened.
#include "core/budget/BudgetDraft.h"
#include "core/budget/BudgetNumbering.h"
#include "core/budget/BudgetRecord.h"
#include "core/budget/BudgetSaving.h"
#include "ui/app/Page.h"

class QPushButton;
class QStackedWidget;

namespace belvane {

class AppState;
class ProjectDataTab;
class ResourcesTab;
class SideColumn;
class SummaryTab;
class PaymentTab;

enum ProjectSubPage { kDataSubPage = 0, kResourcesSubPage = 1, kSummarySubPage = 2, kPaymentSubPage = 3 };

class ProjectPage : public Page {
    Q_OBJECT
public:
    ProjectPage(AppState& state, QWidget* parent);

    void pageShown() override { startOnDataSubPage(); }
    QList<PageKey> pageKeys() const override;

    AppState& state() { return m_state; }
    // Entering the page: "Dados" is shown, and nothing is ready to save until a generation.
    void startOnDataSubPage();
    // Shows the sub-page with the given index and checks its selector.
    void showSubPage(int index);
    QStackedWidget* subPages() const { return m_subPages; }
    ProjectDataTab* dataTab() const { return m_data; }
    ResourcesTab* resourcesTab() const { return m_resources; }
    SummaryTab* summaryTab() const { return m_summary; }
    PaymentTab* paymentTab() const { return m_payment; }
    QPushButton* saveButton() const { return m_saveButton; }

    // Makes the budget draft a new, unsaved budget numbered after the counter file, and shows it.
    void StartNewBudget();
    // Fills the selectors and the resource grids once at start, then RefreshResources.
    void PrepareProjectPages();
    // Follows a changed office: the team names offered and the task man-hours.
    void RefreshResources();
    // Copies the pages and the office values in force into the budget draft; false when the budget
    // number could not be read (the user was told).
    bool CollectProjectPages();
    // Puts the budget draft on the pages.
    void ShowBudget();
    // "Salvar" (AbColBitBtn26): saves, or offers "Salvar como" for a stored budget. True when the
    // budget was saved (not when the user still has to choose in "Salvar como").
    bool SaveBudget();
    void SaveBudgetAsNew();
    void OverwriteBudget();
    // Collects, prices and checks the pages into the budget draft and shows the summary; false
    // (the user told, the sub-page to mend shown) when the budget could not be generated.
    bool GenerateBudget();

    // Whether the user has work here that is not saved: a budget generated or renegotiated and
    // not saved, or pages edited since they were last shown, generated or saved.
    bool hasUnsavedWork();
    // The budget with whatever was typed on the pages since it was generated: what a seat that
    // cannot save exports instead of dropping.
    TBudgetData workingRecord() const;
    // The question at the close of the program when there is such work: Yes saves through the
    // normal save (generating first when the pages changed since), No discards it, Cancel keeps
    // the program open. True when the program may close.
    bool AskToSaveAtClose();

public slots:
    // The "Dados" and "Recursos" selectors (AbColBitBtn4, AbColBitBtn8): the sub-page the
    // pressed one carries, with saving off until the next generation.
    void showChosenSubPage();
    // The "Resumo" selector (AbColBitBtn9): edits in progress end, and the budget is generated
    // unless the summary is shown already.
    void openSummary();
    // "Novo" (AbColBitBtn25): a new budget, after asking when the current one has unsaved work.
    void askToStartNewBudget();

signals:
    // A budget was saved: its history row is new or changed.
    void budgetSaved();
    // Saving at the close needs the user on this page (a field to mend, "Salvar como").
    void attentionNeeded();

private:
    void buildColumn();
    void buildSubPages();
    QWidget* buildToolbar();
    // The sub-page where a budget that could not be generated is mended (`shown` when nothing
    // elsewhere can mend it).
    static int subPageToMend(BudgetMend mend, int shown);
    // The number a new budget receives now (see BudgetNumbering).
    BudgetNumber freshBudgetNumber() const;
    bool saveCurrentBudget(BudgetSaveKind kind);
    // The pages as a record, to tell whether the user changed them.
    TBudgetData pagesRecord() const;
    bool pagesEdited() const;
    // What the pages hold now counts as shown: nothing typed since.
    void markPagesShown();
    void showPayments();
    // The schedule was edited: the budget has unsaved work, and a generated one may be saved.
    void paymentsEdited();
    // Before a save: instalments without a stage go, and shares that do not make 100 % are
    // saved only if the user agrees.
    bool paymentsReadyToSave();

    AppState& m_state;
    SideColumn* m_column;            // Panel6
    QStackedWidget* m_subPages;      // PageControl3
    ProjectDataTab* m_data;          // TabP_dados
    ResourcesTab* m_resources;       // TabP_Recursos
    SummaryTab* m_summary;           // TabP_resumo
    PaymentTab* m_payment;           // TabP_pagamento
    QPushButton* m_dataSelector;     // AbColBitBtn4
    QPushButton* m_resourcesSelector;// AbColBitBtn8
    QPushButton* m_summarySelector;  // AbColBitBtn9
    QPushButton* m_paymentSelector;  // PagamentoSelector
    QPushButton* m_newButton;        // AbColBitBtn25
    QPushButton* m_saveButton;       // AbColBitBtn26
    int m_currentSubPage = kDataSubPage;
};

} // namespace belvane
