#pragma once
// The office page: the column that selects between "Dados gerais" and "Despesas mensais", the
// toolbar with "Limpar", "Salvar" and the hidden "Abrir", and the two sub-pages. The page is the
// user's working copy of the office; it reaches the office in force when it is collected (on
// leaving the page, on saving), and it is refilled from the office in force when built, whenever
// the office is read anew (start, restored backup), after "Limpar" and after "Abrir".
#include "ui/app/Page.h"

class QPushButton;
class QStackedWidget;

namespace belvane {

class AppState;
struct TOfficeData;
class OfficeCostsTab;
class OfficeGeneralTab;

class OfficePage : public Page {
    Q_OBJECT
public:
    OfficePage(AppState& state, QWidget* parent);

    QList<PageKey> pageKeys() const override;
    void pageShown() override { startOnGeneralSubPage(); }
    void pageHidden() override { collectOnLeaving(); }

    // Fills the page from a record; the office then counts as unmodified.
    void ShowOffice(const TOfficeData& office);
    // The price references kept in the database, as the shared state holds them.
    void ShowPriceReferences();
    // Rebuilds CurrentOffice from the page: defaults first, then every field the page shows,
    // then the totals recomputed from the stored lists.
    void CollectOfficePage();
    // The default rows: the usual expense descriptions at 0, no staff, the default man-hours.
    void ResetOfficePage();
    // Shows the office in force as read from the folder: from its file, or the page's defaults.
    void showReadOffice();
    void EnableOfficeEditing(bool locked);
    // Collects and writes the office file; false (with the user told why) when the write failed,
    // and the office then stays modified.
    bool saveOfficeFile();

    // Entering the page: "Dados gerais" is shown.
    void startOnGeneralSubPage();
    void collectOnLeaving();
    void showSubPage(int index);
    AppState& state() { return m_state; }
    OfficeGeneralTab* generalTab() const { return m_general; }
    OfficeCostsTab* costsTab() const { return m_costs; }

public slots:
    // The "Dados gerais" and "Despesas mensais" selectors (AbColBitBtn11, AbColBitBtn12): the
    // sub-page the pressed one carries.
    void showChosenSubPage();
    // "Salvar" (AbColBitBtn22): the lists sorted by value and the office file written.
    void saveOffice();
    // "Abrir" (AbColBitBtn23): the office file read again in place of what the page shows.
    void reloadOfficeFile();
    // "Limpar" (AbColBitBtn24): after asking, the office's defaults; nothing is written.
    void resetOffice();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildToolbar();
    void commitOpenEdits();
    // The user stepped the monthly hours on the general sub-page.
    void hoursSpun();
    void markModified();

    AppState& m_state;
    QStackedWidget* m_subPages;      // PageControl2
    OfficeGeneralTab* m_general;     // TabE_Dados
    OfficeCostsTab* m_costs;         // TabE_despesas
    QPushButton* m_generalSelector;  // AbColBitBtn11
    QPushButton* m_costsSelector;    // AbColBitBtn12
    QPushButton* m_resetButton;      // AbColBitBtn24
    QPushButton* m_saveButton;       // AbColBitBtn22
    QPushButton* m_openButton;       // AbColBitBtn23
};

} // namespace belvane
