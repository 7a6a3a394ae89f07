// Two seats on one data folder: the one that started first writes; the other opens the folder
// read-only, says who holds it, offers no save and writes nothing, not even at close. A lock
// whose holder went quiet is taken over only when the user agrees.
#include "support/BudgetFixture.h"
#include "support/Budgets.h"

#include "core/storage/FolderLock.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/office/OfficeControls.h"

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
    window().AbColBitBtn1Click(kProjectPage);
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    EXPECT_FALSE(project()->saveButton()->isEnabled());
    Prompts::queueAnswer(QMessageBox::No);
    EXPECT_FALSE(closeWindow());
    Prompts::queueAnswer(QMessageBox::Yes);
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
    const QDateTime twoHoursAgo = Clock::now().addSecs(-2 * 3600);
    const QByteArray lock =
        "usuario=carla\nmaquina=RECEPCAO\ndesde=" + twoHoursAgo.toString(Qt::ISODate).toUtf8()
        + "\nrenovado=" + twoHoursAgo.toString(Qt::ISODate).toUtf8() + "\n";
    writeFile(lockPath(), lock);

    Prompts::queueAnswer(QMessageBox::No);
    start();
    EXPECT_FALSE(window().state().writes());
    EXPECT_TRUE(window().state().readOnlyNotice().contains(QStringLiteral("carla")));
    m_window.reset();
    EXPECT_EQ(fileContents(lockPath()), lock);

    Prompts::queueAnswer(QMessageBox::Yes);
    start();
    EXPECT_TRUE(window().state().writes());
    EXPECT_FALSE(readOnlyShown());
    EXPECT_TRUE(fileContents(lockPath()).contains("usuario=" + qgetenv("USER")));
    EXPECT_TRUE(closeWindow());
    EXPECT_FALSE(QFile::exists(lockPath())) << "the lock outlived the program";
}

} // namespace
