#include "support/BudgetFixture.h"

#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "support/Files.h"
#include "support/Offices.h"
#include "support/Records.h"
#include "support/Typing.h"
#include "ui/budget/ProjectControls.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace belvane::test {

QString BudgetFixture::subPage()
{
    return find<QStackedWidget>("PageControl3")->currentWidget()->objectName();
}

QString BudgetFixture::text(const char* name)
{
    if (auto* spin = window().findChild<QAbstractSpinBox*>(QString::fromLatin1(name)))
        return spin->text();
    return find<QLineEdit>(name)->text();
}

void BudgetFixture::setUpOffice()
{
    TOfficeData office = window().state().currentOffice();
    const struct { const char16_t* name; const char16_t* role; float cost; const char16_t* type; } staff[] = {
        {u"Ana", u"Arquiteta", 5000.0f, u"Técnico"},
        {u"Bruno", u"Desenhista", 4000.0f, u"Técnico"},
        {u"Carla", u"Estagiária", 1500.0f, u"Técnico"},
        {u"Davi", u"Secretário", 2500.0f, u"Apoio"},
    };
    office.StaffCount = 0;
    for (const auto& s : staff) {
        const int i = office.StaffCount++;
        setStaffMember(office, i, s.name, s.type, s.cost);
        office.StaffRole[i].assign(QStringView(s.role));
    }
    office.TechStaffCount = 3;
    office.MonthlyHours = 160;
    office.CostPerHour = 50.0f;
    office.CostWithTech = 25000.0f;
    office.StandardFactor = 1.2f;
    office.OfficeStandard.assign(u"B");
    office.TaxRate = 10.0f;
    setOfficePageManHours(office);
    window().state().setCurrentOffice(office);
    project()->RefreshResources();
}

void BudgetFixture::choose(const char* name, const QString& item)
{
    auto* selector = find<QComboBox>(name);
    const int target = selector->findText(item);
    ASSERT_GE(target, 0) << "no item " << item.toStdString() << " in " << name;
    selector->setCurrentIndex(target);
}

void BudgetFixture::chooseByKeys(const char* name, const QString& item)
{
    auto* selector = find<QComboBox>(name);
    const int target = selector->findText(item);
    ASSERT_GE(target, 0) << "no item " << item.toStdString() << " in " << name;
    while (selector->currentIndex() < target)
        QTest::keyClick(selector, Qt::Key_Down);
    while (selector->currentIndex() > target)
        QTest::keyClick(selector, Qt::Key_Up);
}

void BudgetFixture::type(const char* name, const QString& typed)
{
    QWidget* field = window().findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(field, nullptr) << name;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        spin->clear();
    } else {
        qobject_cast<QLineEdit*>(field)->clear();
    }
    typeText(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
}

void BudgetFixture::enterOneMemberBudget()
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
    ASSERT_TRUE(grid("Ng10")->userEdit({0, 1}, QStringLiteral("Ana")));
}

void BudgetFixture::generate()
{
    window().show();   // the panel's buttons are laid out only once the window is shown
    window().openPage(kProjectPage);
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    ASSERT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    ASSERT_TRUE(project()->saveButton()->isEnabled());
}

TBudgetData BudgetFixture::stored(int number)
{
    return storedBudget(projects() + BudgetFileName(number));
}

QByteArray BudgetFixture::counterBytes()
{
    return fileContents(projects() + QLatin1String(kBudgetCounterFileName), "missing");
}

} // namespace belvane::test
