#include "support/SaveFaultFixture.h"

#include "support/Records.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/office/OfficeControls.h"

namespace belvane::test {

const char* faultName(SaveFault fault)
{
    switch (fault) {
    case SaveFault::FailWrite: return "FailWrite";
    case SaveFault::FailCommit: return "FailCommit";
    case SaveFault::FailRemove: return "FailRemove";
    case SaveFault::FolderMissing: return "FolderMissing";
    case SaveFault::FolderIsFile: return "FolderIsFile";
    }
    return "?";
}

void SaveFaultFixture::TearDown()
{
    StorageFaults::clear();
    restoreFolder();
    BudgetFixture::TearDown();
}

void SaveFaultFixture::arm(SaveFault fault, const QString& folder, const QString& file)
{
    switch (fault) {
    case SaveFault::FailWrite:
        StorageFaults::inject(StorageFaults::Kind::FailWrite, file);
        break;
    case SaveFault::FailCommit:
        StorageFaults::inject(StorageFaults::Kind::FailCommit, file);
        break;
    case SaveFault::FailRemove:
        StorageFaults::inject(StorageFaults::Kind::FailRemove, file);
        break;
    case SaveFault::FolderMissing:
    case SaveFault::FolderIsFile:
        m_movedFolder = folder;
        ASSERT_TRUE(QDir(appDir()).rename(folder, awayName()));
        if (fault == SaveFault::FolderIsFile) {
            QFile blocker(appDir() + folder);
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
            blocker.write("not a folder");
        }
        break;
    }
}

void SaveFaultFixture::restoreFolder()
{
    StorageFaults::clear();
    if (m_movedFolder.isEmpty())
        return;
    QFile::remove(appDir() + m_movedFolder);
    EXPECT_TRUE(QDir(appDir()).rename(awayName(), m_movedFolder));
    m_movedFolder.clear();
}

void SaveFaultFixture::firstSave()
{
    start();
    setUpOffice();
    generate();
    click(controls::project::kSaveBudget);
    ASSERT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
}

void SaveFaultFixture::savedThenChanged()
{
    firstSave();
    project()->showSubPage(kDataSubPage);
    type("P_area", QStringLiteral("120"));
    click(controls::project::kSummarySelector);
    ASSERT_EQ(window().state().budget().record().Area, 120.0f);
}

void SaveFaultFixture::reopenedAtSaveAs()
{
    firstSave();
    window().openPage(kHistoryPage);
    historyPage()->selectRow(0);
    click(controls::history::kReopen);
    ASSERT_TRUE(window().state().budget().reopened());
    project()->showSubPage(kDataSubPage);
    click(controls::project::kSummarySelector);
    click(controls::project::kSaveBudget);
    ASSERT_TRUE(saveAsPanelShown());
}

void SaveFaultFixture::officeEdited()
{
    start().show();
    window().openPage(kOfficePage);
    click(controls::office::kSave);
    ASSERT_TRUE(QFile::exists(officeFolder() + QStringLiteral("Office.bvo")));
    ASSERT_TRUE(typeIntoCell(*find<EditableGrid>("NG1"), 1, 0, QStringLiteral("640")));
}

void SaveFaultFixture::officeKept()
{
    EXPECT_TRUE(window().state().officeDraft().modified());
    EXPECT_EQ(find<EditableGrid>("NG1")->cellText({0, 1}), QStringLiteral("640,00"));
}

void SaveFaultFixture::officeSaved()
{
    EXPECT_EQ(storedOffice(officeFolder() + QStringLiteral("Office.bvo")).FixedExpenseValue[0], 640.0f);
}

void SaveFaultFixture::colourChosen()
{
    start().show();
    window().openPage(kHistoryPage);
    click(controls::history::kColors);
    Prompts::queueColor(QColor(10, 20, 30));
    click("AguardandoCor");
    click(controls::history::kColorsOk);
    ASSERT_TRUE(QFile::exists(officeFolder() + QStringLiteral("Colors.bin")));
    click(controls::history::kColors);
    Prompts::queueColor(QColor(40, 50, 60));
    click("AguardandoCor");
}

void SaveFaultFixture::colourKept()
{
    EXPECT_EQ(find<ColorButton>("AguardandoCor")->color(), QColor(40, 50, 60));
}

void SaveFaultFixture::colourSaved()
{
    TStatusColors colors = zeroStatusColors();
    ASSERT_EQ(LoadStatusColors(colors, officeFolder() + QStringLiteral("Colors.bin")).state,
              StatusColorsLoad::State::Read);
    EXPECT_EQ(colors.Aguardando, 0x003C3228u);
}

} // namespace belvane::test
