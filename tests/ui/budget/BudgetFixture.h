#pragma once
// A main window on a fresh data folder, driven on its project page as a user drives it: choosing
// in the selectors with the keyboard, typing into fields, committing grid cells and pressing
// buttons. The office is set up directly in the shared state, as the office page would leave it.
#include "support/AppFixture.h"

#include "core/tables/ReferenceTables.h"
#include "ui/budget/ProjectPage.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NumberEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

namespace belvane::test {

class BudgetFixture : public AppFixture {
protected:
    ProjectPage* project() { return find<ProjectPage>("TabProj"); }
    QString subPage() { return find<QStackedWidget>("PageControl3")->currentWidget()->objectName(); }
    EditableGrid* grid(const char* name) { return find<EditableGrid>(name); }
    QString text(const char* name)
    {
        if (auto* spin = window().findChild<QAbstractSpinBox*>(QString::fromLatin1(name)))
            return spin->text();
        return find<QLineEdit>(name)->text();
    }

    // An office of three technical staff and one support member: monthly hours 160, 50 R$/h of
    // overhead, standard "B" (1.2), taxes 10 %, monthly cost with technical staff 25000, and the
    // man-hours table the office page offers by default (category 3 "Média": 12).
    void setUpOffice()
    {
        TOfficeData& office = window().state().CurrentOffice;
        const struct { const char16_t* name; const char16_t* role; float cost; const char16_t* type; } staff[] = {
            {u"Ana", u"Arquiteta", 5000.0f, u"Técnico"},
            {u"Bruno", u"Desenhista", 4000.0f, u"Técnico"},
            {u"Carla", u"Estagiária", 1500.0f, u"Técnico"},
            {u"Davi", u"Secretário", 2500.0f, u"Apoio"},
        };
        office.StaffCount = 0;
        for (const auto& s : staff) {
            const int i = office.StaffCount++;
            office.StaffName[i].assign(QStringView(s.name));
            office.StaffRole[i].assign(QStringView(s.role));
            office.StaffCost[i] = s.cost;
            office.StaffType[i].assign(QStringView(s.type));
        }
        office.TechStaffCount = 3;
        office.MonthlyHours = 160;
        office.CostPerHour = 50.0f;
        office.CostWithTech = 25000.0f;
        office.StandardFactor = 1.2f;
        office.OfficeStandard.assign(u"B");
        office.TaxRate = 10.0f;
        for (int category = 1; category <= 4; ++category) {
            for (int level = 1; level <= 3; ++level)
                office.HxhTable[category - 1][level] = std::uint16_t(hxhDefault(category, level));
        }
        project()->RefreshResources();
    }

    // Picks the item from the selector's open list.
    void choose(const char* name, const QString& item)
    {
        auto* selector = find<QComboBox>(name);
        const int target = selector->findText(item);
        ASSERT_GE(target, 0) << "no item " << item.toStdString() << " in " << name;
        selector->setCurrentIndex(target);
    }

    // Walks to the item with the arrow keys, one item at a time, as a user does in a closed list.
    void chooseByKeys(const char* name, const QString& item)
    {
        auto* selector = find<QComboBox>(name);
        const int target = selector->findText(item);
        ASSERT_GE(target, 0) << "no item " << item.toStdString() << " in " << name;
        while (selector->currentIndex() < target)
            QTest::keyClick(selector, Qt::Key_Down);
        while (selector->currentIndex() > target)
            QTest::keyClick(selector, Qt::Key_Up);
    }

    // Replaces the field's text by typing and confirms it with Enter.
    void type(const char* name, const QString& typed)
    {
        QWidget* field = window().findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
            spin->clear();
        } else {
            qobject_cast<QLineEdit*>(field)->clear();
        }
        for (QChar c : typed) {
            // Letters beyond ASCII ("í", "ç") arrive as text, the way an input method sends them.
            if (c.unicode() < 128)
                QTest::keyClick(field, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(field, Qt::Key_Return);
    }

    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    // Client, classification (Saúde / Hospitais, category 4; Projeto / Projeto Arquitetônico),
    // area 100, profit 20, RRT 100, 100 man-hours by hand and Ana at 100 % on the team: the
    // one-member budget that prices to 12750.
    void enterOneMemberBudget()
    {
        type("P_Prop", QStringLiteral("Clínica Boa Vista"));
        choose("P_cat", QStringLiteral("Saúde"));
        choose("P_SubCat", QStringLiteral("Hospitais"));
        choose("P_tipo", QStringLiteral("Projeto"));
        choose("P_SubTipo", QStringLiteral("Projeto Arquitetônico"));
        type("P_area", QStringLiteral("100"));
        type("P_lucropc", QStringLiteral("20"));
        type("P_DespART", QStringLiteral("100"));
        auto* manual = find<QRadioButton>("P_HxhMan");
        QTest::mouseClick(manual, Qt::LeftButton, {}, QPoint(6, manual->height() / 2));
        ASSERT_TRUE(manual->isChecked());
        type("P_HxhManValue", QStringLiteral("100"));
        ASSERT_TRUE(grid("Ng10")->userEdit(1, 0, QStringLiteral("Ana")));
    }
};

} // namespace belvane::test
