// Two seats on one data folder: the one that started first writes; the other opens the folder
// read-only, says who holds it, offers no save and writes nothing, not even at close. A lock
// whose holder went quiet is taken over only when the user agrees.
#include "support/BudgetFixture.h"
#include "support/Budgets.h"

#include "core/history/HistoryColumns.h"
#include "core/storage/FolderLock.h"
#include "ui/history/HistoryModel.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/office/OfficeControls.h"
#include "ui/office/OfficePage.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

using namespace belvane;
using namespace belvane::test;

namespace {

class SharedFolderTest : public BudgetFixture {
protected:
    void SetUp() override
    {
        BudgetFixture::SetUp();
        m_user = qgetenv("USER");
    }
    void TearDown() override
    {
        BudgetFixture::TearDown();
        qputenv("USER", m_user);
    }
    QString lockPath() const { return appDir() + FolderLock::fileName(); }
    bool readOnlyShown() { return find<QLabel>("ReadOnlyBanner")->isVisibleTo(&window()); }

    QByteArray m_user;
    QTemporaryDir m_exports;
};

TEST_F(SharedFolderTest, TheSecondSeatOnlyReadsAndWritesNothingEvenAtClose)
{
    saveBudgetTo(projects(), listedBudget(1, QStringLiteral("Cliente"), 100.0f, 12750.0f));
    // The first seat: the real program, run by "ana" from the data folder.
    const QString exe = appDir() + QStringLiteral("belvane");
    ASSERT_TRUE(QFile::copy(QStringLiteral(BELVANE_EXE), exe));
    QTemporaryDir anaTmp;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), anaTmp.path());
    env.insert(QStringLiteral("USER"), QStringLiteral("ana"));
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(exe, {});
    ASSERT_TRUE(first.waitForStarted());
    for (int i = 0; i < 200 && !QFile::exists(lockPath()); ++i)
        QThread::msleep(25);
    ASSERT_TRUE(QFile::exists(lockPath())) << "the first seat took no lock";
    QThread::msleep(300); // its start-up reads settle
    const FolderPicture before = picture();

    // The second seat, "bruno", in this process.
    qputenv("USER", "bruno");
    start();
    EXPECT_FALSE(window().state().writes());
    EXPECT_TRUE(readOnlyShown());
    EXPECT_TRUE(find<QLabel>("ReadOnlyBanner")->text().contains(QStringLiteral("ana")));
    EXPECT_FALSE(find<QPushButton>(controls::office::kSave)->isEnabled());
    EXPECT_FALSE(find<QPushButton>(controls::history::kDelete)->isEnabled());
    EXPECT_FALSE(find<QPushButton>("RestoreButton")->isEnabled());
    // A budget can be priced, not saved; closing asks before the work is dropped.
    setUpOffice();
    window().show();
    window().openPage(kProjectPage);
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    EXPECT_FALSE(project()->saveButton()->isEnabled());
    Prompts::queueAnswer(QMessageBox::Cancel);
    EXPECT_FALSE(closeWindow());
    Prompts::queueAnswer(QMessageBox::No);
    EXPECT_TRUE(closeWindow());
    m_window.reset();
    const FolderPicture after = picture();
    for (const auto& [name, bytes] : after)
        EXPECT_TRUE(before.count(name) && before.at(name) == bytes) << "written: " << name.toStdString();
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

TEST_F(SharedFolderTest, ALockLeftByAQuietSeatIsTakenOverOnlyWhenTheUserAgrees)
{
    QDir().mkpath(projects());
    // Its times are hours old, but only this seat's own watch can say it stopped changing.
    const QDateTime twoHoursAgo = Clock::now().addSecs(-2 * 3600);
    const QByteArray lock =
        "usuario=carla\nmaquina=RECEPCAO\nsessao=x\ndesde=" + twoHoursAgo.toString(Qt::ISODate).toUtf8()
        + "\nrenovado=" + twoHoursAgo.toString(Qt::ISODate).toUtf8() + "\nrenovacoes=3\n";
    writeFile(lockPath(), lock);
    start();
    EXPECT_FALSE(window().state().writes());
    EXPECT_TRUE(window().state().readOnlyNotice().contains(QStringLiteral("carla")));
    m_window.reset();
    EXPECT_EQ(fileContents(lockPath()), lock);

    const QDateTime later = Clock::now().addSecs((FolderLock::kStaleAfterMinutes + 1) * 60);
    Clock::setFixed(later);
    Prompts::queueAnswer(QMessageBox::No);
    start();
    EXPECT_FALSE(window().state().writes());
    m_window.reset();
    EXPECT_EQ(fileContents(lockPath()), lock);

    Prompts::queueAnswer(QMessageBox::Yes);
    start();
    Clock::setFixed({});
    EXPECT_TRUE(window().state().writes());
    EXPECT_FALSE(readOnlyShown());
    EXPECT_TRUE(fileContents(lockPath()).contains("usuario=" + qgetenv("USER")));
    EXPECT_TRUE(closeWindow());
    EXPECT_FALSE(QFile::exists(lockPath())) << "the lock outlived the program";
}

TEST_F(SharedFolderTest, ASeatTakenOverWritesNothingMoreAndOffersItsWorkAtClose)
{
    saveBudgetTo(projects(), listedBudget(1, QStringLiteral("Cliente"), 100.0f, 12750.0f));
    start();
    ASSERT_TRUE(window().state().writes());
    // While this seat slept, another took the folder over.
    const QByteArray other = "usuario=bia\nmaquina=B\nsessao=outra\ndesde=2026-12-09T09:00:00-04:00\n"
                             "renovado=2026-12-09T09:00:00-04:00\nrenovacoes=0\n";
    writeFile(lockPath(), other);
    const FolderPicture before = picture();
    auto* model = historyPage()->model();
    ASSERT_TRUE(model->setData(model->index(0, kColNegotiated), QStringLiteral("9000"), Qt::EditRole));
    window().state().editOfficeDraft().setModified(true);
    click(controls::office::kSave);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Prompts::messages().last().contains(QStringLiteral("assumida por bia")));
    EXPECT_FALSE(window().state().writes());
    EXPECT_TRUE(readOnlyShown());
    // At close the edits are exported where the user says, nothing is written in the folder.
    const QString csv = m_exports.filePath(QStringLiteral("historico.csv"));
    const QString office = m_exports.filePath(QStringLiteral("escritorio.bvo"));
    Prompts::queueAnswer(QMessageBox::Yes);
    Prompts::queueFileName(office);
    Prompts::queueFileName(csv);
    EXPECT_TRUE(closeWindow());
    m_window.reset();
    EXPECT_TRUE(fileContents(csv).contains("9000"));
    EXPECT_TRUE(QFile::exists(office));
    EXPECT_EQ(picture(), before);
}

TEST_F(SharedFolderTest, AnInstalledProgramsFirstStartMakesItsDataFolderAndSaves)
{
    // The program's folder is not writable: the data go to the user's data folder, still absent.
    const QString root = DataFolders::chooseRoot(QStringLiteral("/usr/bin"), false,
                                                 m_exports.filePath(QStringLiteral("home/.local/share/belvane")));
    auto installed = std::make_unique<TForm1>(root);
    ASSERT_TRUE(installed->finishStartup());
    EXPECT_TRUE(installed->state().writes()) << installed->state().readOnlyNotice().toStdString();
    installed->officePage()->findChild<QPushButton*>(controls::office::kSave)->click();
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("Escrt/Office.bvo")));
    EXPECT_TRUE(QFile::exists(root + FolderLock::fileName()));
    installed.reset();
}

} // namespace
