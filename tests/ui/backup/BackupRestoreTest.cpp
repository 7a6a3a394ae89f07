#include "support/AppFixture.h"
#include "support/Budgets.h"
#include "support/Files.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

using namespace belvane;
using namespace belvane::test;

namespace {

class BackupRestoreTest : public AppFixture {
protected:
    void saveBudget(int number, const QString& client)
    {
        saveBudgetTo(projects(), listedBudget(number, client, 100.0f, 1000.0f * float(number)));
    }
    QString archive() const { return m_elsewhere.filePath(QStringLiteral("Belvane-2026-12-09.zip")); }

    // Every file of both data folders with its bytes.
    FolderPicture dataFiles() const { return pictureOfDataFolders(appDir()); }
    void makeBackup()
    {
        Prompts::queueFileName(archive());
        click("BackupButton");
        ASSERT_EQ(Prompts::messages().value(0), QStringLiteral("Cópia de segurança salva em \"%1\".")
                                                     .arg(QDir::toNativeSeparators(archive())));
        Prompts::clearLog();
    }

    QTemporaryDir m_elsewhere;   // where the user keeps the archive
};

} // namespace

TEST_F(BackupRestoreTest, RestoredBackupGivesBackTheSameFilesAndTheProgramShowsThem)
{
    saveBudget(1, QStringLiteral("Ana"));
    saveBudget(2, QStringLiteral("Conceição"));
    TForm1& w = start();
    ASSERT_TRUE(w.close());   // writes the colours, so every kind of data file is there
    start();
    const FolderPicture backedUp = dataFiles();
    ASSERT_TRUE(backedUp.contains(QStringLiteral("Escrt/Colors.bin")));
    makeBackup();

    // Afterwards a budget is deleted in the program, another saved, and a new one begun.
    ASSERT_TRUE(window().state().workspace().history().removeBudget(0).historyWrite.ok());
    saveBudget(3, QStringLiteral("Bruno"));
    window().state().editBudget().record().ClientName.assign(u"Rascunho");
    window().state().editBudget().setModified(true);
    const FolderPicture later = dataFiles();
    ASSERT_NE(later, backedUp);

    Prompts::queueFileName(archive());
    Prompts::queueAnswer(QMessageBox::Yes);
    click("RestoreButton");

    EXPECT_EQ(dataFiles(), backedUp);
    HistoryTable& table = window().state().workspace().history().table();
    ASSERT_EQ(table.rowCount(), 2) << "the history in memory was not read again";
    EXPECT_EQ(table.text(0, kColClient), QStringLiteral("Ana"));
    EXPECT_EQ(window().state().budget().record().ClientName.toQString(), QString()) << "a new budget was not begun";
    EXPECT_FALSE(window().state().budget().modified());
    const QStringList messages = Prompts::messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(archive())));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Escrt (antes da restauração 2026-12-09 10-30)")));
    const QString keptProjects = appDir() + QStringLiteral("Projetos (antes da restauração 2026-12-09 10-30)");
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("Cópia de segurança restaurada."))) << messages[1].toStdString();
    EXPECT_TRUE(messages[1].contains(QDir::toNativeSeparators(keptProjects)));
    EXPECT_TRUE(QFile::exists(keptProjects + QStringLiteral("/") + BudgetFileName(3)));
}

TEST_F(BackupRestoreTest, DeclinedOrDamagedRestoreChangesNothing)
{
    saveBudget(1, QStringLiteral("Ana"));
    start();
    makeBackup();
    const FolderPicture before = dataFiles();

    Prompts::queueFileName(archive());
    Prompts::queueAnswer(QMessageBox::No);
    click("RestoreButton");
    EXPECT_EQ(dataFiles(), before);

    QFile file(archive());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    // A byte of the history's contents, which follow its name in the archive.
    const qsizetype inHistory = bytes.indexOf("Projetos/Hist.bvh") + 18;
    ASSERT_GT(inHistory, 18);
    bytes[inHistory] = char(bytes[inHistory] ^ 0x55);
    file.seek(0);
    file.write(bytes);
    file.close();
    Prompts::clearLog();
    Prompts::queueFileName(archive());
    click("RestoreButton");

    ASSERT_EQ(Prompts::messages().size(), 1);
    const QString message = Prompts::messages().first();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(archive()))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Nada foi alterado"))) << message.toStdString();
    EXPECT_EQ(dataFiles(), before);
    EXPECT_EQ(QDir(appDir()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{u"Escrt"_qs, u"Projetos"_qs}));
}

TEST_F(BackupRestoreTest, AboutBoxSaysWhereTheDataAre)
{
    TForm1& w = start();
    w.showAbout();
    ASSERT_NE(w.aboutBox(), nullptr);
    auto* label = w.aboutBox()->findChild<QLabel*>(QStringLiteral("DataFolderLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("Dados em: ")));
    EXPECT_EQ(label->toolTip(), QDir::toNativeSeparators(QDir::cleanPath(appDir())));
}
