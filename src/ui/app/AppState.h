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
    // The office in force: what budgets are priced with. Replacing it tells the pages that follow
    // it (the project page's team and man-hours).
    const TOfficeData& currentOffice() const { return m_currentOffice; }
    void setCurrentOffice(const TOfficeData& office);
    // The office was read anew from the folder (start, restored backup): the office page shows it
    // as saved, without changes of its own.
    void officeRead(const TOfficeData& office, bool fromFile);
    // Whether the office in force came from the office file (false: the defaults, the file being
    // missing or unreadable), so the office page knows which rows to offer.
    bool officeFromFile() const { return m_officeFromFile; }
    // What the office holds its quotes against, and its contact with the validity of its proposals
    // (both in the database, saved with the office).
    const PriceReferences& priceReferences() const { return m_priceReferences; }
    const OfficeContact& officeContact() const { return m_officeContact; }
    void setOfficeSettings(const PriceReferences& references, const OfficeContact& contact);
    // The office's cost lists as the user edits them, and whether the office was changed. The
    // office page is its one editor.
    const OfficeDraft& officeDraft() const { return m_officeDraft; }
    OfficeDraft& editOfficeDraft() { return m_officeDraft; }
    // The budget being worked on, with whether it is modified or reopened. The project page and
    // the actions that replace the budget edit it; whoever replaces it says so (budgetReplaced).
    const BudgetDraft& budget() const { return m_budget; }
    BudgetDraft& editBudget() { return m_budget; }
    // Whether the history marks every row in its status colour.
    bool highlightStatus() const { return m_highlightStatus; }
    void setHighlightStatus(bool on);
    // The number the next new budget takes, as last read from or written to Control.bin.
    qint32 budgetCounter() const { return m_budgetCounter; }
    void setBudgetCounter(qint32 counter) { m_budgetCounter = counter; }

    // The status colours and chart look as last loaded or saved (Colors.bin).
    const TStatusColors& statusColors() const { return m_statusColors; }
    void setStatusColors(const TStatusColors& colors) { m_statusColors = colors; }

    // Set when the office file on disk could not be read at start: the program runs on the
    // defaults and must not replace that file unless the user saves explicitly.
    const QString& unreadableOfficeFile() const { return m_unreadableOfficeFile; }
    void setUnreadableOfficeFile(const QString& path) { m_unreadableOfficeFile = path; }

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
    bool hasUnsavedBudgetWork() const { return m_unsavedBudgetWork ? m_unsavedBudgetWork() : m_budget.modified(); }
    void setUnsavedBudgetWorkCheck(std::function<bool()> check) { m_unsavedBudgetWork = std::move(check); }

    // Whether the data of the folder (office, history, database, colours) have been read; until
    // then what would replace them (restoring a backup) waits.
    bool dataLoaded() const { return m_dataLoaded; }
    void markDataLoaded();

    // The price check of `budget`: the office's references and its own won prices, a budget revised
    // after a win counting as won.
    PriceCheck priceCheckOf(const TBudgetData& budget);

    // A new budget under a fresh number, the counter following it; returns why Control.bin could
    // not be read, when it could not.
    QString startNewBudget();
    // The budget draft holds another budget (started, reopened): its pages must show it.
    void budgetReplaced() { emit budgetChanged(); }
    // Rows of the history were stored, removed or reloaded.
    void historyReplaced() { emit historyChanged(); }

signals:
    void officeChanged();
    void officeLoaded();
    void officeSettingsChanged();
    void highlightStatusChanged();
    void budgetChanged();
    void historyChanged();
    void shownColorsChanged();
    void chartLookChanged();
    void writeAccessChanged();
    void dataLoadedChanged();

private:
    std::unique_ptr<Workspace> m_workspace;
    TOfficeData m_currentOffice = zeroOffice();
    bool m_officeFromFile = false;
    PriceReferences m_priceReferences;
    OfficeContact m_officeContact;
    OfficeDraft m_officeDraft;
    BudgetDraft m_budget;
    bool m_highlightStatus = false;
    qint32 m_budgetCounter = 0;
    TStatusColors m_statusColors = zeroStatusColors();
    QString m_unreadableOfficeFile;
    TStatusColors m_shownColors = zeroStatusColors();
    ChartLook m_chartLook;
    QString m_readOnlyNotice;
    std::function<bool()> m_unsavedBudgetWork;
    bool m_dataLoaded = false;
};

} // namespace belvane
