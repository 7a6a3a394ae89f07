#pragma once
// A main window whose saves are made to fail on purpose, the way a disk fails a user: the write
// breaks off halfway, the new file cannot take the old one's place, or the data folder has gone
// (moved away, or a file now stands where the folder was). The fixture takes pictures of the data
// folder, byte for byte, so a test can tell exactly which files a failed save touched. Its steps
// are public, for the tables of cases that drive it.
#include "support/BudgetFixture.h"
#include "support/Files.h"
#include "support/GridDriver.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"
#include "core/office/OfficeFile.h"
#include "core/settings/StatusColorsFile.h"
#include "core/storage/StorageFaults.h"
#include "ui/history/HistoryPage.h"
#include "ui/widgets/ColorButton.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace belvane::test {

enum class SaveFault { FailWrite, FailCommit, FailRemove, FolderMissing, FolderIsFile };

const char* faultName(SaveFault fault);

class SaveFaultFixture : public BudgetFixture {
public:
    void TearDown() override;

    // The bytes of a file of the application folder.
    QByteArray bytes(const QString& relative) const { return fileContents(appDir() + relative); }

    // Makes the next save of `file` in `folder` ("Projetos" or "Escrt") meet the fault.
    void arm(SaveFault fault, const QString& folder, const QString& file);
    // Undoes what arm() did, as the user mends the cause before trying again.
    void restoreFolder();

    using AppFixture::closeWindow;
    using AppFixture::find;
    using AppFixture::history;
    using AppFixture::historyPage;
    using AppFixture::projects;
    using AppFixture::start;
    using AppFixture::window;
    using BudgetFixture::click;
    using BudgetFixture::counterBytes;
    using BudgetFixture::generate;
    using BudgetFixture::project;
    using BudgetFixture::saveAsPanelShown;
    using BudgetFixture::setUpOffice;
    using BudgetFixture::stored;
    using BudgetFixture::type;

    void firstSave();
    // Budget 1 is stored; it is then generated again with another area, waiting to be saved.
    void savedThenChanged();
    // Budget 1 is stored, reopened from the history and generated again: the save-as panel shows.
    void reopenedAtSaveAs();
    void officeEdited();
    void officeKept();
    void officeSaved();
    // Colors.bin holds the first colour chosen; a second is chosen but not yet saved.
    void colourChosen();
    void colourKept();
    void colourSaved();

private:
    QString awayName() const { return m_movedFolder + QStringLiteral(".away"); }
    QString m_movedFolder;
};

} // namespace belvane::test
