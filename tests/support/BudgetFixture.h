#pragma once
// A main window on a fresh data folder, driven on its project page as a user drives it: choosing
// in the selectors with the keyboard, typing into fields, committing grid cells and pressing
// buttons. The office is set up directly in the shared state, as the office page would leave it.
#include "support/AppFixture.h"

#include "core/budget/BudgetRecord.h"
#include "core/tables/ReferenceTables.h"
#include "ui/budget/ProjectPage.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NumberEdit.h"

#include <QByteArray>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QString>
#include <QTest>

namespace belvane::test {

class BudgetFixture : public AppFixture {
protected:
    ProjectPage* project() { return find<ProjectPage>("TabProj"); }
    QString subPage();
    // The text a field shows, spin box or line edit.
    QString text(const char* name);

    // An office of three technical staff and one support member: monthly hours 160, 50 R$/h of
    // overhead, standard "B" (1.2), taxes 10 %, monthly cost with technical staff 25000, and the
    // man-hours table the office page offers by default (category 3 "Média": 12).
    void setUpOffice();

    // Picks the item from the selector's open list.
    void choose(const char* name, const QString& item);
    // Walks to the item with the arrow keys, one item at a time, as a user does in a closed list.
    void chooseByKeys(const char* name, const QString& item);
    // Replaces the field's text by typing and confirms it with Enter.
    void type(const char* name, const QString& typed);

    // Client, classification (Saúde / Hospitais, category 4; Projeto / Projeto Arquitetônico),
    // area 100, profit 20, RRT 100, 100 man-hours by hand and Ana at 100 % on the team: the
    // one-member budget that prices to 12750.
    void enterOneMemberBudget();
    // On a started window with the office set up: the one-member budget generated and shown on
    // the summary, waiting to be saved.
    void generate();

    bool saveAsPanelShown() { return find<QWidget>("NxHeaderPanel12")->isVisibleTo(&window()); }
    // The stored file of budget `number`, and the counter's bytes ("missing" when there is none).
    TBudgetData stored(int number);
    QByteArray counterBytes();
};

} // namespace belvane::test
