#include "support/GridDriver.h"
#include "support/OfficeFixture.h"

#include "ui/office/MonthlyHoursSpin.h"
#include "ui/office/OfficeControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>

using namespace belvane;
using namespace belvane::test;

namespace {

class OfficeGeneralPageTest : public OfficeFixture {
protected:
    QList<QList<int>> manHours()
    {
        QList<QList<int>> rows;
        for (int r = 0; r < grid("Ng6")->rowCount(); ++r) {
            QList<int> row;
            for (int c = 0; c < 4; ++c)
                row << grid("Ng6")->cellText({r, c}).toInt();
            rows << row;
        }
        return rows;
    }
    const QList<QList<int>> kPageDefaults = {{1, 2, 4, 8}, {2, 8, 10, 15}, {3, 10, 12, 18}, {4, 14, 18, 25}};
};

} // namespace

TEST_F(OfficeGeneralPageTest, StartsWithTheCaptionsAndDefaults)
{
    EXPECT_EQ(find<QStackedWidget>("PageControl2")->currentWidget()->objectName(), QStringLiteral("TabE_Dados"));
    QStringList captions;
    for (const QLabel* label : find<QWidget>("TabE_Dados")->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"Nome do escritório", "Regime de impostos", "Impostos [%] ",
                                "Horas mensais trabalhadas ", "Utilização[%] ", "Padrão do escritório", "Fe",
                                "Atualizado em "})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(find<QLineEdit>("E_Nome")->text(), QStringLiteral("Meu escritório"));
    EXPECT_EQ(find<QRadioButton>("E_regime")->text(), QStringLiteral("Simples"));
    EXPECT_TRUE(find<QRadioButton>("E_regime")->isChecked());
    EXPECT_EQ(find<QRadioButton>("AbLED8")->text(), QStringLiteral("Lucro presumido"));
    EXPECT_EQ(find<QRadioButton>("AbLED9")->text(), QStringLiteral("Outros"));
    EXPECT_EQ(shown("E_imposto"), QStringLiteral("0,00"));
    EXPECT_EQ(find<MonthlyHoursSpin>("E_HoraMensal")->value(), 160);
    EXPECT_FALSE(find<NumberEdit>("E_Kuh")->isVisible());
    EXPECT_EQ(find<NumberEdit>("E_Kuh")->value(), 100);
    EXPECT_FALSE(find<NumberEdit>("E_Fp")->isVisible());
    EXPECT_EQ(shown("E_Fp"), QStringLiteral("1,00"));
    EXPECT_TRUE(find<QLineEdit>("E_data")->isReadOnly());
    EXPECT_EQ(find<QWidget>("NxHeaderPanel7")->property("title").toString(),
              QStringLiteral("Recursos de H x h para realização de tarefas "));
    EXPECT_EQ(grid("Ng6")->horizontalHeaderItem(0)->text(), QStringLiteral("Categoria \\ Complex."));
    EXPECT_EQ(manHours(), kPageDefaults);

    const struct { const char* name; const char* caption; const char* hint; bool visible;
    } buttons[] = {{controls::office::kReset, "Limpar", "Carregar default", true},
                   {controls::office::kSave, "Salvar", "Salvar Escritório", true},
                   {controls::office::kOpen, "Abrir", "Abrir escritório", false}};
    for (const auto& b : buttons) {
        EXPECT_EQ(find<QPushButton>(b.name)->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(find<QPushButton>(b.name)->toolTip(), QString::fromUtf8(b.hint));
        EXPECT_EQ(find<QPushButton>(b.name)->isVisible(), b.visible) << b.name;
    }
}

TEST_F(OfficeGeneralPageTest, NoteSwitchesShowTheirNotes)
{
    const struct { const char* button; const char* note; const char* on; const char* off; int lines; const char* first;
    } notes[] = {{controls::office::kStandardsNoteSwitch, "NxMemo5", "-  Padrões de Escritórios",
                  "+ Padrões de Escritórios", 11,
                  "A+     Escritório renomado, com projetos de alta visibilidade no mercado"},
                 {controls::office::kManHoursNoteSwitch, "NxMemo3", "-  Recursos de Hxh", "+ Recursos de Hxh",
                  28, "A tabela apresenta a demanda de H x h para realização das tarefas "}};
    for (const auto& n : notes) {
        auto* button = find<QPushButton>(n.button);
        auto* note = find<QPlainTextEdit>(n.note);
        EXPECT_EQ(button->text(), QString::fromUtf8(n.on));
        EXPECT_TRUE(note->isVisible());
        const QStringList lines = note->toPlainText().split(QLatin1Char('\n'));
        EXPECT_EQ(lines.size(), n.lines);
        EXPECT_EQ(lines.first(), QString::fromUtf8(n.first));
        click(n.button);
        EXPECT_EQ(button->text(), QString::fromUtf8(n.off));
        EXPECT_FALSE(note->isVisible());
        click(n.button);
        EXPECT_TRUE(note->isVisible());
    }
    EXPECT_FALSE(modified());
}

TEST_F(OfficeGeneralPageTest, StandardSetsTheFactorAndMarks)
{
    auto* standard = find<QComboBox>("E_padrao");
    EXPECT_EQ(standard->count(), 4);
    EXPECT_EQ(standard->currentIndex(), 3);   // the record's "C", shown at start
    QTest::keyClick(standard, Qt::Key_Up);    // "B"
    EXPECT_EQ(shown("E_Fp"), QStringLiteral("1,20"));
    EXPECT_TRUE(modified());
    QTest::keyClick(standard, Qt::Key_Up);    // "A"
    page()->CollectOfficePage();
    const TOfficeData& office = state().currentOffice();
    EXPECT_EQ(office.OfficeStandard.toQString(), QStringLiteral("A"));
    EXPECT_EQ(office.OfficeStandardIndex, 1);
    EXPECT_EQ(office.StandardFactor, 1.4f);
    QTest::keyClick(standard, Qt::Key_Up);    // "A+"
    EXPECT_EQ(shown("E_Fp"), QStringLiteral("1,60"));

    // A record's own factor wins over the one its standard would give; no standard is 255.
    TOfficeData stored = zeroOffice();
    DefaultOffice(stored);
    stored.OfficeStandard.assign(u"X");
    stored.StandardFactor = 1.3f;
    page()->ShowOffice(stored);
    EXPECT_EQ(standard->currentIndex(), -1);
    EXPECT_EQ(shown("E_Fp"), QStringLiteral("1,30"));
    EXPECT_FALSE(modified());
    page()->CollectOfficePage();
    EXPECT_EQ(state().currentOffice().OfficeStandardIndex, 255);
    EXPECT_EQ(state().currentOffice().OfficeStandard.toQString(), QString());
}

TEST_F(OfficeGeneralPageTest, ClickingIntoTheGeneralDataMarks)
{
    const char* clickable[] = {"E_regime", "AbLED8", "AbLED9", "E_Nome", "E_imposto"};
    for (const char* name : clickable) {
        state().editOfficeDraft().setModified(false);
        QWidget* control = find<QWidget>(name);
        QWidget* target = control->findChild<QLineEdit*>() ? control->findChild<QLineEdit*>() : control;
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
        EXPECT_TRUE(modified()) << name;
    }
    state().editOfficeDraft().setModified(false);
    EditableGrid* table = grid("Ng6");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(1, 2)).center());
    EXPECT_TRUE(modified());

    // Choosing "Lucro presumido" reaches the record; a record without a regime shows none.
    QTest::mouseClick(find<QRadioButton>("AbLED8"), Qt::LeftButton, {}, QPoint(8, 8));
    page()->CollectOfficePage();
    EXPECT_EQ(state().currentOffice().TaxRegime, 2);
    TOfficeData none = state().currentOffice();
    none.TaxRegime = 0;
    page()->ShowOffice(none);
    for (const char* name : {"E_regime", "AbLED8", "AbLED9"})
        EXPECT_FALSE(find<QRadioButton>(name)->isChecked()) << name;
    page()->CollectOfficePage();
    EXPECT_EQ(state().currentOffice().TaxRegime, 0);
}

TEST_F(OfficeGeneralPageTest, ManHoursTableTakesWholeNumbersOnly)
{
    EditableGrid* table = grid("Ng6");
    EXPECT_EQ(openEditor<CellLineEdit>(*table, 0, 1), nullptr);   // the category is fixed
    EXPECT_FALSE(table->userEdit({1, 0}, QStringLiteral("7")));
    EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);

    ASSERT_TRUE(typeIntoCell(*table, 2, 1, QStringLiteral("12,5")));
    EXPECT_EQ(table->cellText({1, 2}), QStringLiteral("125"));
    ASSERT_TRUE(typeIntoCell(*table, 3, 3, QStringLiteral("40")));
    page()->CollectOfficePage();
    const auto& hxh = state().currentOffice().HxhTable;
    EXPECT_EQ((QList<int>{hxh[1][0], hxh[1][1], hxh[1][2], hxh[1][3]}), (QList<int>{2, 8, 125, 15}));
    EXPECT_EQ(hxh[3][3], 40);

    state().editOfficeDraft().setModified(false);
    QTest::mouseClick(find<QLabel>("Label49"), Qt::LeftButton);
    EXPECT_EQ(find<QLabel>("Label49")->text(), QStringLiteral("🗎"));
    EXPECT_EQ(find<QLabel>("Label49")->toolTip(), QStringLiteral("Carrega valores default"));
    EXPECT_EQ(manHours(), kPageDefaults);
    EXPECT_TRUE(modified());   // the user's table was replaced: the office must be saved
}

TEST_F(OfficeGeneralPageTest, EditingCanBeLocked)
{
    page()->EnableOfficeEditing(true);
    for (const char* name : {"NxHeaderPanel6", "NxHeaderPanel7", "NxHeaderPanel9", controls::office::kSave,
                             controls::office::kOpen, controls::office::kReset})
        EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;
    EXPECT_FALSE(find<QLineEdit>("E_Nome")->isEnabled());
    page()->EnableOfficeEditing(false);
    for (const char* name : {"NxHeaderPanel6", "NxHeaderPanel7", "NxHeaderPanel9", controls::office::kSave})
        EXPECT_TRUE(find<QWidget>(name)->isEnabled()) << name;
}
