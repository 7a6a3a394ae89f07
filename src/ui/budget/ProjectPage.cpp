#include "ui/budget/ProjectPage.h"

#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/RegenerationNotice.h"
#include "core/text/Clock.h"
#include "ui/app/AppState.h"
#include "ui/budget/ComplexityFactorPanel.h"
#include "ui/budget/PaymentTab.h"
#include "ui/budget/ProjectControls.h"
#include "ui/budget/ProjectDataTab.h"
#include "ui/budget/ResourcesTab.h"
#include "ui/budget/SaveAsPanel.h"
#include "ui/budget/SummaryTab.h"
#include "ui/budget/TaskEstimatePanel.h"
#include "ui/budget/TechnicalTeamPanel.h"
#include "ui/widgets/NamedButton.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/SideColumn.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>


namespace belvane {
namespace {

QPushButton* toolbarButton(const char* name, const QString& caption, const QString& hint, QWidget* parent)
{
    return namedButton(name, caption, parent, hint, QSize(96, 32));
}

} // namespace

ProjectPage::ProjectPage(AppState& state, QWidget* parent) : Page(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabProj"));
    buildColumn();
    buildSubPages();
    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(buildToolbar());
    right->addWidget(m_subPages, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_column);
    layout->addLayout(right, 1);
    m_dataSelector->setChecked(true);
    // What the budget draws from the office (team names, man-hours table) follows the office;
    // a budget reopened elsewhere is shown here.
    connect(&m_state, &AppState::officeChanged, this, &ProjectPage::RefreshResources);
    connect(&m_state, &AppState::budgetChanged, this, &ProjectPage::ShowBudget);
    m_state.setUnsavedBudgetWorkCheck([page = QPointer<ProjectPage>(this)] { return page && page->hasUnsavedWork(); });
    PrepareProjectPages();
}

void ProjectPage::buildColumn()
{
    m_column = new SideColumn(QStringLiteral("Panel6"), QStringLiteral("ORÇAMENTO"), this);
    m_dataSelector = m_column->addSelector(QLatin1String(controls::project::kDataSelector),
                                           QStringLiteral("Dados do Projeto"),
                                           QStringLiteral("Dados do projeto"), kDataSubPage);
    m_resourcesSelector = m_column->addSelector(
        QLatin1String(controls::project::kResourcesSelector), QStringLiteral("Recursos "),
        QStringLiteral("Recursos para elaborar o projeto"), kResourcesSubPage);
    m_summarySelector = m_column->addSelector(QLatin1String(controls::project::kSummarySelector),
                                              QStringLiteral("Calcular e Resumo"),
                                              QStringLiteral("Gerar orçamento"), kSummarySubPage);
    m_paymentSelector =
        m_column->addSelector(QLatin1String(controls::project::kPaymentSelector), QStringLiteral("Pagamento"),
                              QStringLiteral("Cronograma de pagamento"), kPaymentSubPage);
    m_column->addStretch();
    connect(m_paymentSelector, &QPushButton::clicked, this, &ProjectPage::showPayments);
    connect(m_dataSelector, &QPushButton::clicked, this, &ProjectPage::showChosenSubPage);
    connect(m_resourcesSelector, &QPushButton::clicked, this, &ProjectPage::showChosenSubPage);
    connect(m_summarySelector, &QPushButton::clicked, this, &ProjectPage::openSummary);
    // The resources selector reads "Recursos" while pressed and "Recursos " otherwise.
    connect(m_resourcesSelector, &QPushButton::toggled, this, [this](bool on) {
        m_resourcesSelector->setText(on ? QStringLiteral("Recursos") : QStringLiteral("Recursos "));
    });
}

void ProjectPage::buildSubPages()
{
    m_subPages = new QStackedWidget(this);
    m_subPages->setObjectName(QStringLiteral("PageControl3"));
    m_data = new ProjectDataTab(m_state.editBudget().classification(), m_subPages);
    m_resources = new ResourcesTab(m_state, m_subPages);
    m_summary = new SummaryTab(m_state, m_subPages);
    m_subPages->addWidget(m_data);
    m_subPages->addWidget(m_resources);
    m_subPages->addWidget(m_summary);
    m_payment = new PaymentTab(m_state, m_subPages);
    m_subPages->addWidget(m_payment);
    connect(m_payment, &PaymentTab::edited, this, &ProjectPage::paymentsEdited);
    connect(m_subPages, &QStackedWidget::currentChanged, this, [this](int index) {
        if (m_currentSubPage == kResourcesSubPage && index != kResourcesSubPage)
            m_resources->collectOnLeaving();
        m_currentSubPage = index;
    });
    connect(m_data, &ProjectDataTab::projectCategoryChanged, m_resources->tasks(), &TaskEstimatePanel::RecalcAutoHxh);
    connect(m_summary, &SummaryTab::profitRenegotiated, m_data, &ProjectDataTab::setProfitPercent);
    // A renegotiation is a generation of its own: the profit it puts on the data page is no edit.
    connect(m_summary, &SummaryTab::profitRenegotiated, this, &ProjectPage::markPagesShown);
    connect(m_summary->saveAsPanel(), &SaveAsPanel::saveAsNewChosen, this, &ProjectPage::SaveBudgetAsNew);
    connect(m_summary->saveAsPanel(), &SaveAsPanel::overwriteChosen, this, &ProjectPage::OverwriteBudget);
}

QWidget* ProjectPage::buildToolbar()
{
    auto* toolbar = new QFrame(this);
    toolbar->setObjectName(QStringLiteral("Panel5"));
    auto* bar = new QHBoxLayout(toolbar);
    bar->setContentsMargins(8, 6, 8, 6);
    m_newButton = toolbarButton(controls::project::kNewBudget, QStringLiteral("Novo"),
                                QStringLiteral("Novo orçamento"), toolbar);
    connect(m_newButton, &QPushButton::clicked, this, &ProjectPage::askToStartNewBudget);
    bar->addWidget(m_newButton);
    m_saveButton = toolbarButton(controls::project::kSaveBudget, QStringLiteral("Salvar"),
                                 QStringLiteral("Salvar orçamento e adicionar ao histórico"), toolbar);
    m_saveButton->setEnabled(false);
    connect(m_saveButton, &QPushButton::clicked, this, &ProjectPage::SaveBudget);
    // The page may be built after the seat learnt it only reads, or learn it later.
    const auto followWriteAccess = [this] {
        if (m_state.writes())
            return;
        m_saveButton->setEnabled(false);
        m_summary->saveAsPanel()->hide();
    };
    connect(&m_state, &AppState::writeAccessChanged, m_saveButton, followWriteAccess);
    followWriteAccess();
    bar->addWidget(m_saveButton);
    bar->addStretch(1);
    return toolbar;
}

QList<PageKey> ProjectPage::pageKeys() const
{
    return {PageKey::pressing(QKeySequence(Qt::ALT | Qt::Key_1), m_dataSelector),
            PageKey::pressing(QKeySequence(Qt::ALT | Qt::Key_2), m_resourcesSelector),
            PageKey::pressing(QKeySequence(Qt::ALT | Qt::Key_3), m_summarySelector),
            PageKey::pressing(QKeySequence(Qt::ALT | Qt::Key_4), m_paymentSelector),
            PageKey::pressing(QKeySequence(Qt::Key_F9), m_summarySelector),
            PageKey::pressing(QKeySequence(Qt::CTRL | Qt::Key_N), m_newButton),
            PageKey::pressing(QKeySequence(Qt::CTRL | Qt::Key_S), m_saveButton),
            PageKey::pressing(QKeySequence(Qt::Key_Escape), m_summary->saveAsPanel()->cancelButton())};
}

void ProjectPage::showChosenSubPage()
{
    m_saveButton->setEnabled(false);
    const auto* button = qobject_cast<QPushButton*>(sender());
    if (button)
        m_subPages->setCurrentIndex(button->property("tag").toInt());
}

void ProjectPage::startOnDataSubPage()
{
    showSubPage(kDataSubPage);
    m_saveButton->setEnabled(false);
}

void ProjectPage::showSubPage(int index)
{
    m_subPages->setCurrentIndex(index);
    QPushButton* selectors[] = {m_dataSelector, m_resourcesSelector, m_summarySelector, m_paymentSelector};
    if (index >= 0 && index < 4)
        selectors[index]->setChecked(true);
}

void ProjectPage::PrepareProjectPages()
{
    m_data->prepareSelectors();
    m_resources->prepareGrids();
    ShowBudget();
    RefreshResources();
    markPagesShown();
}

void ProjectPage::RefreshResources()
{
    // Following the office is not the user's edit of the budget.
    const bool edited = pagesEdited();
    m_resources->team()->FillTeamNameList();
    const int category = m_state.editBudget().classification().category();
    if (m_resources->tasks()->estimate() > 0 && category != 0)
        m_resources->tasks()->RecalcAutoHxh(category);
    if (!edited)
        markPagesShown();
}

TBudgetData ProjectPage::pagesRecord() const
{
    TBudgetData pages = zeroBudget();
    m_data->collectInto(pages);
    m_resources->collectInto(pages);
    pages.ProjectCode.assign(m_summary->projectCodeText());
    return pages;
}

TBudgetData ProjectPage::workingRecord() const
{
    TBudgetData working = m_state.budget().record();
    m_data->collectInto(working);
    m_resources->collectInto(working);
    working.ProjectCode.assign(m_summary->projectCodeText());
    return working;
}

bool ProjectPage::pagesEdited() const
{
    return m_state.budget().pagesEdited(pagesRecord());
}

void ProjectPage::markPagesShown()
{
    m_state.editBudget().markPagesShown(pagesRecord());
}

bool ProjectPage::hasUnsavedWork()
{
    // A cell still being typed in, on any sub-page, counts as typed.
    m_data->commitOpenEdits();
    m_resources->commitOpenEdits();
    m_payment->commitOpenEdits();
    return m_state.budget().hasUnsavedWork(pagesRecord());
}

bool ProjectPage::AskToSaveAtClose()
{
    if (!hasUnsavedWork())
        return true;
    const auto answer = Prompts::ask(this, QStringLiteral("O orçamento atual não foi salvo. Deseja salvar?"),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                     Prompts::Box::Confirmation);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    // What the pages hold now is what the user wants kept: generated anew when they changed;
    // a failed generation shows why.
    const bool generated = !m_state.budget().mustGenerateBeforeSaving(pagesRecord()) || GenerateBudget();
    const bool saved = generated && SaveBudget();
    if (!saved)
        emit attentionNeeded();
    return saved;
}

BudgetNumber ProjectPage::freshBudgetNumber() const
{
    return m_state.workspace().freshBudgetNumber();
}

void ProjectPage::StartNewBudget()
{
    const QString counterError = m_state.startNewBudget();
    if (!counterError.isEmpty())
        Prompts::error(this, counterError);
}

void ProjectPage::ShowBudget()
{
    const TBudgetData& b = m_state.budget().record();
    m_data->showBudget(b);
    m_summary->showNumberAndTax(b);
    m_payment->showSchedule();
    const int notShown = m_resources->showBudget(b);
    if (notShown > 0) {
        Prompts::inform(this, QStringLiteral("Este orçamento tem %1 integrantes na equipe técnica, mas a tabela "
                                             "mostra apenas os %2 primeiros. Os outros %3 não foram mostrados "
                                             "e ficarão fora do orçamento se ele for calculado novamente.")
                                  .arg(std::min<int>(b.TeamCount, kBudgetSlots))
                                  .arg(kTeamRows)
                                  .arg(notShown));
    }
    markPagesShown();
}

bool ProjectPage::CollectProjectPages()
{
    BudgetDraft& budget = m_state.editBudget();
    budget.numberIfNeverSaved(freshBudgetNumber().number);
    m_data->collectInto(budget.record());
    m_resources->collectInto(budget.record());
    budget.completeCollected(m_state.currentOffice());
    return true;
}

void ProjectPage::openSummary()
{
    // Focus leaves the sub-pages first, so an edit in progress ends and counts.
    m_column->setFocus();
    m_data->commitOpenEdits();
    m_resources->commitOpenEdits();
    if (m_subPages->currentIndex() == kSummarySubPage)
        return;
    GenerateBudget();
}

bool ProjectPage::GenerateBudget()
{
    const int shown = m_subPages->currentIndex();
    if (m_state.budget().reopened())
        Prompts::inform(this, regenerationNotice(m_state.budget(), m_state.currentOffice()));
    if (m_resources->tasks()->estimateChosen())
        m_resources->tasks()->RecalcAutoHxh(m_state.editBudget().classification().category());
    if (!m_resources->team()->CheckTeamAgainstOffice()) {
        showSubPage(kResourcesSubPage);
        return false;
    }
    if (!CollectProjectPages()) {
        // A failed generation stays where it was, with that sub-page's selector pressed again.
        showSubPage(shown);
        return false;
    }
    const BudgetGeneration generated = m_state.editBudget().generate(m_state.currentOffice());
    if (!generated.ok()) {
        Prompts::inform(this, generated.message);
        showSubPage(subPageToMend(generated.mend, shown));
        return false;
    }
    m_saveButton->setEnabled(m_state.writes());
    markPagesShown();
    m_summary->ShowSummary();
    m_payment->showSchedule();
    showSubPage(kSummarySubPage);
    return true;
}

int ProjectPage::subPageToMend(BudgetMend mend, int shown)
{
    switch (mend) {
    case BudgetMend::Data: return kDataSubPage;
    case BudgetMend::Resources: return kResourcesSubPage;
    case BudgetMend::None:
    case BudgetMend::Stay: break;
    }
    return shown;
}

void ProjectPage::askToStartNewBudget()
{
    if (hasUnsavedWork()) {
        const auto answer = Prompts::ask(this, QStringLiteral("As modificações no orçamento atual serão apagadas. Continuar?"),
                                         QMessageBox::Yes | QMessageBox::No, Prompts::Box::Information);
        if (answer != QMessageBox::Yes)
            return;
    }
    StartNewBudget();
    // "Salvar como" belonged to the budget just left.
    m_summary->saveAsPanel()->hide();
    showSubPage(kDataSubPage);
    m_saveButton->setEnabled(false);
}

bool ProjectPage::SaveBudget()
{
    if (m_state.budget().reopened()) {
        m_summary->saveAsPanel()->show();
        return false;
    }
    return saveCurrentBudget(BudgetSaveKind::Plain);
}

void ProjectPage::SaveBudgetAsNew()
{
    saveCurrentBudget(BudgetSaveKind::AsNew);
}

void ProjectPage::OverwriteBudget()
{
    saveCurrentBudget(BudgetSaveKind::Overwrite);
}

void ProjectPage::showPayments()
{
    m_payment->showSchedule();
    showSubPage(kPaymentSubPage);
}

void ProjectPage::paymentsEdited()
{
    m_state.editBudget().setModified(true);
    m_saveButton->setEnabled(m_state.writes() && !m_state.budget().mustGenerateBeforeSaving(pagesRecord()));
}

bool ProjectPage::paymentsReadyToSave()
{
    m_payment->commitOpenEdits();
    PaymentSchedule schedule = m_state.budget().payments();
    schedule.dropUnnamed();
    m_state.editBudget().setPayments(schedule);
    m_payment->showSchedule();
    return schedule.empty() || schedule.complete()
        || Prompts::ask(this, schedule.incompleteQuestion(), QMessageBox::Yes | QMessageBox::No,
                        Prompts::Box::Confirmation)
        == QMessageBox::Yes;
}

bool ProjectPage::saveCurrentBudget(BudgetSaveKind kind)
{
    // A seat that only reads has no save button; nothing else may save either.
    if (!m_state.writes())
        return false;
    if (!paymentsReadyToSave())
        return false;
    BudgetDraft& budget = m_state.editBudget();
    BudgetSaveConsent consent;
    BudgetSaveReport saved;
    for (;;) {
        saved = m_state.workspace().saveBudget(budget, kind, m_summary->projectCodeText(), Clock::now(), consent);
        if (saved.question == BudgetSaveReport::Question::None)
            break;
        if (Prompts::ask(this, saved.questionText, QMessageBox::Yes | QMessageBox::No, Prompts::Box::Warning)
            != QMessageBox::Yes)
            return false;
        // The user agreed: the save goes on past this question.
        if (saved.question == BudgetSaveReport::Question::OverwriteChangedFile)
            consent.overwriteChangedFile = true;
        else
            consent.loseReplacedVersion = true;
    }
    if (!saved.saved()) {
        // Nothing changed in memory: the user can mend the cause and save again.
        Prompts::error(this, saved.error);
        return false;
    }
    if (saved.advancedCounter)
        m_state.setBudgetCounter(budget.record().Number);
    m_summary->showNumberAndStatus(budget.record());
    if (kind != BudgetSaveKind::Plain)
        m_summary->saveAsPanel()->hide();
    markPagesShown();
    emit budgetSaved();
    m_state.historyReplaced();
    if (saved.warnings.isEmpty())
        Prompts::inform(this, saved.message);
    else
        Prompts::error(this, saved.message + QStringLiteral("\n\n") + saved.warnings.join(QLatin1Char('\n')));
    return true;
}

} // namespace belvane
