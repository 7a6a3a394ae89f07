#include "support/AppFixture.h"
#include "support/Files.h"
#include "support/GridDriver.h"
#include "support/Records.h"

#include "core/storage/StorageFaults.h"
#include "ui/office/OfficeControls.h"

#include <QFile>
#include <QPushButton>

using namespace belvane;
using namespace belvane::test;

namespace {

const QString kQuestion = QStringLiteral("Os dados do escritório foram alterados. Deseja salvar?");
const QString kSaved = QStringLiteral("Escritório foi salvo com sucesso");

// The main window's close question about a modified office, on the office page.
class OfficeCloseTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        start().show();
        window().openPage(kOfficePage);
        m_fixed = find<EditableGrid>("NG1");
    }
    void TearDown() override
    {
        StorageFaults::clear();
        AppFixture::TearDown();
    }
    QString path() const { return officeFolder() + QStringLiteral("Office.bvo"); }
    QByteArray bytes() const { return fileContents(path(), QByteArray()); }
    float storedFixedValue(int slot) const { return storedOffice(path()).FixedExpenseValue[slot]; }

    EditableGrid* m_fixed = nullptr;
};

} // namespace

TEST_F(OfficeCloseTest, YesSavesTheEditAndSaysSo)
{
    ASSERT_TRUE(typeIntoCell(*m_fixed, 1, 1, QStringLiteral("1800")));
    Prompts::queueAnswer(QMessageBox::Yes);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(Prompts::messages(), (QStringList{kQuestion, kSaved}));
    EXPECT_EQ(storedFixedValue(1), 1800.0f);
    EXPECT_FALSE(window().state().officeDraft().modified());
}

TEST_F(OfficeCloseTest, AValueStillBeingTypedCounts)
{
    auto* editor = openEditor<CellLineEdit>(*m_fixed, 1, 2);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("310,5"));
    EXPECT_FALSE(window().state().officeDraft().modified());
    Prompts::queueAnswer(QMessageBox::Yes);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(storedFixedValue(2), 310.5f);
}

TEST_F(OfficeCloseTest, NoLeavesTheFileAsItWas)
{
    QTest::mouseClick(find<QPushButton>(controls::office::kSave), Qt::LeftButton);
    const QByteArray before = bytes();
    ASSERT_EQ(before.size(), 8712);
    ASSERT_TRUE(typeIntoCell(*m_fixed, 1, 0, QStringLiteral("75")));
    Prompts::clearLog();
    Prompts::queueAnswer(QMessageBox::No);
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(Prompts::messages(), QStringList{kQuestion});
    EXPECT_EQ(bytes(), before);
}

TEST_F(OfficeCloseTest, CancelKeepsTheWindowOpenAndTheEdit)
{
    ASSERT_TRUE(typeIntoCell(*m_fixed, 1, 0, QStringLiteral("75")));
    Prompts::queueAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(closeWindow());
    EXPECT_TRUE(window().state().officeDraft().modified());
    EXPECT_EQ(m_fixed->cellText({0, 1}), QStringLiteral("75,00"));
}

TEST_F(OfficeCloseTest, FailedSaveKeepsTheWindowOpenAndTheOfficeModified)
{
    ASSERT_TRUE(typeIntoCell(*m_fixed, 1, 0, QStringLiteral("990")));
    StorageFaults::inject(StorageFaults::Kind::FailWrite, QStringLiteral("Office.bvo"));
    Prompts::queueAnswer(QMessageBox::Yes);
    EXPECT_FALSE(closeWindow());
    ASSERT_EQ(Prompts::messages().size(), 2);   // the question and the failure, no success
    EXPECT_TRUE(Prompts::messages().at(1).contains(QStringLiteral("Office.bvo")));
    EXPECT_TRUE(window().state().officeDraft().modified());
    EXPECT_FALSE(QFile::exists(path()));
    EXPECT_EQ(m_fixed->cellText({0, 1}), QStringLiteral("990,00"));
}
