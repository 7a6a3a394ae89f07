#pragma once
// The state every page shares, owned by the main window and handed to each page by reference:
// the data folders, the office and the budget being worked on (their drafts own their rules),
// the history, the status colours and the chart look. Whoever changes one of the shared things
// says so through this object, and the pages that show it follow its signals; no page calls
// another to refresh it.
#include "core/budget/BudgetDraft.h"
#include "core/office/OfficeContact.h"
#include "core/office/OfficeDraft.h"
#include "core/office/OfficeRecord.h"
#include "core/pricing/PriceCheck.h"
#include "core/pricing/PriceReferences.h"
#include "core/settings/StatusColors.h"
#include "core/workspace/Workspace.h"
#include "ui/widgets/ChartLook.h"

#include <QObject>

#include <functional>
#include <memory>

namespace belvane {

class AppState : public QObject {
    Q_OBJECT
public:
    explicit AppState(QObject* parent = nullptr);
    ~AppState() override;

    // The data folder the program works on: its stores and every action that touches several.
    Workspace& workspace() { return *m_workspace; }
    const Workspace& workspace() const { return *m_workspace; }
    const DataFolders& folders() const { return m_workspace->folders(); }
    // The program works on the data folders given (at start, or a test's own folder).
    void setFolders(const DataFolders& folders);
    // The office in force: what budgets are priced with.
    TOfficeData CurrentOffice = zeroOffice();
    // What the office holds its quotes against (kept in the database, saved with the office).
    PriceReferences priceReferences;
    // The office's contact and the validity of its proposals (in the database, saved with the office).
    OfficeContact officeContact;
    // The office's cost lists as the user edits them, and whether the office was changed.
    OfficeDraft officeDraft;
    // The budget being worked on, with whether it is modified or reopened.
    BudgetDraft budget;
    bool HighlightStatus = false;
    qint32 BudgetCounter = 0;

    // The status colours and chart look as last loaded or saved (Colors.bin).
    TStatusColors statusColors = zeroStatusColors();

    // Set when the office file on disk could not be read at start: the program runs on the
    // defaults and must not replace that file unless the user saves explicitly.
    QString unreadableOfficeFile;

    // Whether this seat may write the data folder. Another seat holding the folder, or a folder
    // that takes no files, makes this one read-only for the rest of the session: every save is
    // disabled and nothing is written at close.
    bool writes() const { return m_readOnlyNotice.isEmpty(); }
    // Why this seat only reads, as the banner above the pages says it.
    const QString& readOnlyNotice() const { return m_readOnlyNotice; }
    void becomeReadOnly(const QString& notice);

    // The status colours the history shows now: the saved ones, or those just chosen and not
    // confirmed yet.
    const TStatusColors& shownColors() const { return m_shownColors; }
    void setShownColors(const TStatusColors& colors);
    // The look every chart of the program follows.
    const ChartLook& chartLook() const { return m_chartLook; }
    void setChartLook(const ChartLook& look);

    // Whether the budget holds work the user has not saved: generated or renegotiated and not
    // saved, or typed on the project pages since they were last shown. The project page, which
    // holds the typing, answers; until then only the draft's own flag counts.
    bool hasUnsavedBudgetWork() const { return m_unsavedBudgetWork ? m_unsavedBudgetWork() : budget.modified(); }
    void setUnsavedBudgetWorkCheck(std::function<bool()> check) { m_unsavedBudgetWork = std::move(check); }

    // Whether the data of the folder (office, history, database, colours) have been read; until
    // then what would replace them (restoring a backup) waits.
    bool dataLoaded() const { return m_dataLoaded; }
    void markDataLoaded();

    // The price check of `budget`: the office's references and its own won prices, a budget revised
    // after a win counting as won.
    PriceCheck priceCheckOf(const TBudgetData& budget);

    // The office in force was replaced (loaded, collected from its page, restored).
    void officeReplaced() { emit officeChanged(); }
    // The budget draft holds another budget (started, reopened): its pages must show it.
    void budgetReplaced() { emit budgetChanged(); }
    // Rows of the history were stored, removed or reloaded.
    void historyReplaced() { emit historyChanged(); }

signals:
    void officeChanged();
    void budgetChanged();
    void historyChanged();
    void shownColorsChanged();
    void chartLookChanged();
    void writeAccessChanged();
    void dataLoadedChanged();

private:
    std::unique_ptr<Workspace> m_workspace;
    TStatusColors m_shownColors = zeroStatusColors();
    ChartLook m_chartLook;
    QString m_readOnlyNotice;
    std::function<bool()> m_unsavedBudgetWork;
    bool m_dataLoaded = false;
};

} // namespace belvane
