#pragma once
// A main window whose saves are made to fail on purpose, the way a disk fails a user: the write
// breaks off halfway, the new file cannot take the old one's place, or the data folder has gone
// (moved away, or a file now stands where the folder was). The fixture takes pictures of the data
// folder, byte for byte, so a test can tell exactly which files a failed save touched.
#include "budget/BudgetFixture.h"

#include "office/GridDriver.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"
#include "core/office/OfficeFile.h"
#include "core/settings/StatusColorsFile.h"
#include "core/storage/StorageFaults.h"
#include "ui/history/HistoryPage.h"
#include "ui/widgets/ColorButton.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <map>

namespace belvane::test {

enum class SaveFault { FailWrite, FailCommit, FailRemove, FolderMissing, FolderIsFile };

inline const char* faultName(SaveFault fault)
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

// Relative path inside the application folder -> contents.
using FolderPicture = std::map<QString, QByteArray>;

class SaveFaultFixture : public BudgetFixture {
public:
    void TearDown() override
    {
        StorageFaults::clear();
        restoreFolder();
        BudgetFixture::TearDown();
    }

    QString projects() const { return appDir() + QStringLiteral("Projetos/"); }
    QString office() const { return appDir() + QStringLiteral("Escrt/"); }

    FolderPicture picture() const
    {
        FolderPicture files;
        QDirIterator it(appDir(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            files[QDir(appDir()).relativeFilePath(path)] = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        }
        return files;
    }

    QByteArray bytes(const QString& relative) const
    {
        QFile file(appDir() + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Makes the next save of `file` in `folder` ("Projetos" or "Escrt") meet the fault.
    void arm(SaveFault fault, const QString& folder, const QString& file)
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

    // Undoes what arm() did, as the user mends the cause before trying again.
    void restoreFolder()
    {
        StorageFaults::clear();
        if (m_movedFolder.isEmpty())
            return;
        QFile::remove(appDir() + m_movedFolder);
        EXPECT_TRUE(QDir(appDir()).rename(awayName(), m_movedFolder));
        m_movedFolder.clear();
    }

    using AppFixture::closeWindow;
    using AppFixture::find;
    using AppFixture::start;
    using AppFixture::window;
    using BudgetFixture::click;
    using BudgetFixture::project;
    using BudgetFixture::setUpOffice;
    using BudgetFixture::type;

    HistoryTable& history() { return window().state().history->table(); }
    HistoryPage* historyPage() { return find<HistoryPage>("TabHistorico"); }
    bool panelShown() { return find<QWidget>("NxHeaderPanel12")->isVisibleTo(&window()); }

    void generate()
    {
        window().show();
        window().AbColBitBtn1Click(kProjectPage);
        enterOneMemberBudget();
        click("AbColBitBtn9");
        ASSERT_TRUE(project()->saveButton()->isEnabled());
    }
    void firstSave()
    {
        start();
        setUpOffice();
        generate();
        click("AbColBitBtn26");
        ASSERT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
    }
    // Budget 1 is stored; it is then generated again with another area, waiting to be saved.
    void savedThenChanged()
    {
        firstSave();
        project()->showSubPage(kDataSubPage);
        type("P_area", QStringLiteral("120"));
        click("AbColBitBtn9");
        ASSERT_EQ(window().state().budget.record().Area, 120.0f);
    }
    // Budget 1 is stored, reopened from the history and generated again: the save-as panel shows.
    void reopenedAtSaveAs()
    {
        firstSave();
        window().AbColBitBtn1Click(kHistoryPage);
        historyPage()->selectRow(0);
        click("AbColBitBtn19");
        ASSERT_TRUE(window().state().budget.reopened());
        project()->showSubPage(kDataSubPage);
        click("AbColBitBtn9");
        click("AbColBitBtn26");
        ASSERT_TRUE(panelShown());
    }
    void officeEdited()
    {
        start().show();
        window().AbColBitBtn1Click(kOfficePage);
        click("AbColBitBtn22");
        ASSERT_TRUE(QFile::exists(office() + QStringLiteral("Office.bvo")));
        ASSERT_TRUE(typeIntoCell(*find<EditableGrid>("NG1"), 1, 0, QStringLiteral("640")));
    }
    void officeKept()
    {
        EXPECT_TRUE(window().state().officeDraft.modified());
        EXPECT_EQ(find<EditableGrid>("NG1")->cellText(1, 0), QStringLiteral("640,00"));
    }
    void officeSaved()
    {
        TOfficeData stored = zeroOffice();
        ASSERT_EQ(ReadOfficeFile(stored, office() + QStringLiteral("Office.bvo")).state, RecordReadState::Read);
        EXPECT_EQ(stored.FixedExpenseValue[0], 640.0f);
    }
    // Colors.bin holds the first colour chosen; a second is chosen but not yet saved.
    void colourChosen()
    {
        start().show();
        window().AbColBitBtn1Click(kHistoryPage);
        click("AbColBitBtn16");
        Prompts::queueColor(QColor(10, 20, 30));
        click("AguardandoCor");
        click("SpeedButton31");
        ASSERT_TRUE(QFile::exists(office() + QStringLiteral("Colors.bin")));
        click("AbColBitBtn16");
        Prompts::queueColor(QColor(40, 50, 60));
        click("AguardandoCor");
    }
    void colourKept() { EXPECT_EQ(find<ColorButton>("AguardandoCor")->color(), QColor(40, 50, 60)); }
    void colourSaved()
    {
        TStatusColors colors = zeroStatusColors();
        ASSERT_EQ(LoadStatusColors(colors, office() + QStringLiteral("Colors.bin")).state,
                  StatusColorsLoad::State::Read);
        EXPECT_EQ(colors.Aguardando, 0x003C3228u);
    }
    QByteArray counter() { return bytes(QStringLiteral("Projetos/Control.bin")); }

    TBudgetData stored(int number)
    {
        TBudgetData budget = zeroBudget();
        EXPECT_EQ(ReadBudgetFile(budget, projects() + BudgetFileName(number)).state, RecordReadState::Read);
        return budget;
    }

private:
    QString awayName() const { return m_movedFolder + QStringLiteral(".away"); }
    QString m_movedFolder;
};

} // namespace belvane::test
