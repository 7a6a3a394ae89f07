#pragma once
// The project (budget) page: the column of sub-page selectors, the toolbar with "Novo" and
// "Salvar", and the three sub-pages "Dados", "Recursos" and "Resumo".
#include "ui/app/Page.h"

class QPushButton;
class QStackedWidget;

namespace belvane {

struct AppState;
class ResourcesTab;

class ProjectPage : public Page {
    Q_OBJECT
public:
    ProjectPage(AppState& state, QWidget* parent);

    void pageShown() override { TabProjShow(); }

    AppState& state() { return m_state; }
    void TabProjShow();
    // Shows the sub-page with the given index and checks its selector.
    void showSubPage(int index);
    QStackedWidget* subPages() const { return m_subPages; }

public slots:
    void AbColBitBtn4Click();

private:
    void onSubPageChanged(int index);

    AppState& m_state;
    QStackedWidget* m_subPages;     // PageControl3
    ResourcesTab* m_resources;
    QPushButton* m_dataSelector;     // AbColBitBtn4
    QPushButton* m_resourcesSelector;// AbColBitBtn8
    QPushButton* m_summarySelector;  // AbColBitBtn9
    QPushButton* m_saveButton;       // AbColBitBtn26
    int m_currentSubPage = 0;
};

} // namespace belvane
