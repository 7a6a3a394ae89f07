#include "support/GridDriver.h"
#include "support/OfficeFixture.h"

#include "core/storage/StorageFaults.h"
#include "ui/office/OfficeControls.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

using namespace belvane;
using namespace belvane::test;

namespace {

const QString kSaved = QStringLiteral("Escritório foi salvo com sucesso");

class OfficeSaveTest : public OfficeFixture {
protected:
    void TearDown() override
    {
        StorageFaults::clear();
        OfficeFixture::TearDown();
    }
    void save() { click(controls::office::kSave); }
    // Answers Yes to "Abrir" and shows the stored office again.
    void reopen()
    {
        Prompts::queueAnswer(QMessageBox::Yes);
        page()->reloadOfficeFile();
    }
};

} // namespace

TEST_F(OfficeSaveTest, SaveStoresExpensesLargestFirstAndDatesThePage)
{
    enterRows("NG1", controls::office::kAddFixedExpense,
              {{"Luz", "50"}, {"Aluguel", "300"}, {"Internet", "120"}});
    EXPECT_TRUE(modified());
    save();
    EXPECT_EQ(Prompts::messages(), QStringList{kSaved});
    EXPECT_FALSE(modified());
    EXPECT_EQ(find<QLineEdit>("E_data")->text(), QStringLiteral("09/12/2026"));
    EXPECT_EQ(column("NG1", 1), (QStringList{"300,00", "120,00", "50,00"}));

    const TOfficeData stored = storedOffice();
    EXPECT_EQ(stored.FixedExpenseName[0].toQString(), QStringLiteral("Aluguel"));
    EXPECT_EQ((QList<float>{stored.FixedExpenseValue[0], stored.FixedExpenseValue[1], stored.FixedExpenseValue[2]}),
              (QList<float>{300, 120, 50}));
    EXPECT_TRUE(stored.FixedExpenseName[3].isEmpty());
    EXPECT_EQ(stored.FixedTotal, 470.0f);
    EXPECT_EQ(stored.UpdatedOn.toQString(), QStringLiteral("09/12/2026"));
    // The page's default rows replaced the record's own defaults at this first collection.
    EXPECT_EQ(stored.HxhTable[0][1], 2);
    EXPECT_EQ(stored.VariableExpenseName[0].toQString(), QStringLiteral("Combustível"));
}

TEST_F(OfficeSaveTest, UnnamedStaffRowIsNotStoredAndLeavesNoGap)
{
    EditableGrid* staff = grid("NG9");
    for (const char* name : {"Ângela Simões", "", "Bruno Gonçalves"}) {
        click(controls::office::kAddStaff);
        const int row = staff->rowCount() - 1;
        staff->userEdit({row, 0}, QString::fromUtf8(name));
        staff->userEdit({row, 1}, QStringLiteral("Arquiteto"));
        staff->userEdit({row, 2}, QStringLiteral("Técnico"));
        staff->userEdit({row, 3}, QStringLiteral("4500"));
    }
    EXPECT_EQ(shown("E_CustoTec"), QStringLiteral("13500,00"));   // the page counts every row
    save();
    const TOfficeData stored = storedOffice();
    EXPECT_EQ(stored.StaffCount, 2);
    EXPECT_EQ(stored.TechStaffCount, 2);
    EXPECT_EQ(stored.StaffName[1].toQString(), QStringLiteral("Bruno Gonçalves"));
    EXPECT_EQ(stored.TechStaffTotal, 9000.0f);                      // the record only the named ones

    reopen();
    EXPECT_EQ(column("NG9", 0), (QStringList{"Ângela Simões", "Bruno Gonçalves"}));
    EXPECT_EQ(column("NG9", 2), (QStringList{"Técnico", "Técnico"}));
    EXPECT_EQ(column("NG9", 3), (QStringList{"4500,00", "4500,00"}));
    EXPECT_EQ(shown("E_CustoTec"), QStringLiteral("9000,00"));
    EXPECT_FALSE(modified());
}

TEST_F(OfficeSaveTest, ClearedDescriptionKeepsItsSlotButDoesNotComeBack)
{
    enterRows("Ng2", controls::office::kAddVariableExpense,
              {{"Software", "900"}, {"Correio", "30"}, {"Marketing", "10"}});
    ASSERT_TRUE(typeIntoCell(*grid("Ng2"), 0, 1, QString()));
    save();
    const TOfficeData stored = storedOffice();
    EXPECT_TRUE(stored.VariableExpenseName[1].isEmpty());
    EXPECT_EQ(stored.VariableExpenseValue[1], 30.0f);
    EXPECT_EQ(stored.VariableExpenseName[2].toQString(), QStringLiteral("Marketing"));
    EXPECT_EQ(stored.VariableTotal, 910.0f);
    reopen();
    EXPECT_EQ(column("Ng2", 0), (QStringList{"Software", "Marketing"}));
}

TEST_F(OfficeSaveTest, LimparShowsPageDefaultsWhileTheRecordKeepsItsOwn)
{
    find<QLineEdit>("E_Nome")->setText(QStringLiteral("Atelier Ribeirão"));
    enterRows("NG1", controls::office::kAddFixedExpense, {{"Aluguel", "2500"}});
    Prompts::queueAnswer(QMessageBox::No);
    click(controls::office::kReset);
    EXPECT_EQ(Prompts::messages(),
              QStringList{QStringLiteral("A configuração atual do escritório será apagada. Continuar?")});
    EXPECT_EQ(grid("NG1")->rowCount(), 1);

    page()->CollectOfficePage();
    Prompts::queueAnswer(QMessageBox::Yes);
    click(controls::office::kReset);
    EXPECT_EQ(find<QLineEdit>("E_Nome")->text(), QStringLiteral("Meu escritório"));
    EXPECT_EQ(find<QComboBox>("E_padrao")->currentText(), QStringLiteral("C"));
    EXPECT_EQ(grid("NG1")->rowCount(), 11);
    EXPECT_EQ(grid("Ng2")->rowCount(), 11);
    EXPECT_EQ(column("NG1", 1).count(QStringLiteral("0,00")), 11);
    EXPECT_EQ(grid("NG9")->rowCount(), 0);
    EXPECT_EQ(grid("Ng6")->cellText({3, 1}), QStringLiteral("14"));
    EXPECT_FALSE(modified());
    EXPECT_FALSE(QFile::exists(officePath()));

    const TOfficeData& office = state().currentOffice();
    EXPECT_EQ((QList<int>{office.HxhTable[0][0], office.HxhTable[0][1], office.HxhTable[0][2], office.HxhTable[0][3]}),
              (QList<int>{1, 5, 10, 15}));
    EXPECT_TRUE(office.FixedExpenseName[0].isEmpty());
    page()->pageHidden();   // leaving the page collects it
    EXPECT_EQ(state().currentOffice().HxhTable[0][1], 2);
    EXPECT_EQ(state().currentOffice().FixedExpenseName[0].toQString(), QStringLiteral("Água"));
}

TEST_F(OfficeSaveTest, SaveIntoAMissingFolderKeepsEverything)
{
    ASSERT_TRUE(typeIntoCell(*grid("NG1"), 1, 0, QStringLiteral("640")));
    ASSERT_TRUE(QDir(state().folders().officeDir).removeRecursively());
    save();
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().first().contains(QStringLiteral("Office.bvo")));
    EXPECT_NE(Prompts::messages().first(), kSaved);
    EXPECT_TRUE(modified());
    EXPECT_EQ(find<QLineEdit>("E_data")->text(), QString());
    EXPECT_EQ(grid("NG1")->cellText({0, 1}), QStringLiteral("640,00"));
    EXPECT_EQ(state().currentOffice().FixedExpenseValue[0], 640.0f);   // collected all the same
}

TEST_F(OfficeSaveTest, FailedWriteKeepsTheOldFile)
{
    save();
    const QByteArray before = officeBytes();
    Prompts::clearLog();
    ASSERT_TRUE(typeIntoCell(*grid("NG1"), 1, 0, QStringLiteral("990")));
    StorageFaults::inject(StorageFaults::Kind::FailWrite, QStringLiteral("Office.bvo"));
    save();
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().first().contains(QStringLiteral("Office.bvo")));
    EXPECT_EQ(officeBytes(), before);
    EXPECT_TRUE(modified());
}

TEST_F(OfficeSaveTest, AbrirAsksOnlyWhenThereIsAFile)
{
    page()->reloadOfficeFile();
    EXPECT_TRUE(Prompts::messages().isEmpty());

    find<QLineEdit>("E_Nome")->setText(QStringLiteral("Estúdio Paraná"));
    save();
    find<QLineEdit>("E_Nome")->setText(QStringLiteral("Outro nome"));
    Prompts::clearLog();
    Prompts::queueAnswer(QMessageBox::No);
    page()->reloadOfficeFile();
    EXPECT_EQ(Prompts::messages(),
              QStringList{QStringLiteral("Os parâmemtros do escritório atual serão sobreescritos. Continuar?")});
    EXPECT_EQ(find<QLineEdit>("E_Nome")->text(), QStringLiteral("Outro nome"));
    reopen();
    EXPECT_EQ(find<QLineEdit>("E_Nome")->text(), QStringLiteral("Estúdio Paraná"));
    EXPECT_EQ(state().currentOffice().Name.toQString(), QStringLiteral("Estúdio Paraná"));
}
