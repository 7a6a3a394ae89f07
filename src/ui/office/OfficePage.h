#pragma once
// The office page: the column that selects between "Dados gerais" and "Despesas mensais", the
// toolbar with "Limpar", "Salvar" and the hidden "Abrir", and the two sub-pages. The page is the
// user's working copy of the office; it reaches CurrentOffice when it is collected.
#include "ui/app/Page.h"

class QPushButton;
class QStackedWidget;

namespace belvane {

struct AppState;
struct TOfficeData;

class OfficePage : public Page {
    Q_OBJECT
public:
    OfficePage(AppState& state, QWidget* parent);

    void pageShown() override { TabEscritorioShow(); }
    void pageHidden() override { TabEscritorioHide(); }

    void ShowOffice(const TOfficeData& office);
    void CollectOfficePage();
    void ResetOfficePage();
    void EnableOfficeEditing(bool locked);
    // Collects and writes the office file; false (with the user told why) when the write failed.
    bool saveOfficeFile();

    void TabEscritorioShow();
    void TabEscritorioHide();
    void showSubPage(int index);
    AppState& state() { return m_state; }

signals:
    // The page was collected into CurrentOffice: what other pages draw from the office may change.
    void officeCollected();

public slots:
    void AbColBitBtn11Click();

private:
    AppState& m_state;
    QStackedWidget* m_subPages;   // PageControl2
    QPushButton* m_generalSelector;  // AbColBitBtn11
    QPushButton* m_costsSelector;    // AbColBitBtn12
};

} // namespace belvane
