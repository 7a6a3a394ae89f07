// The same failures as the fault switchboard simulates, but from a real file system: the data
// folder lives on a small memory disk that is filled to the last byte, or switched to read-only,
// before the user saves. Mounting needs the right to mount; where a run has none (a CI container)
// these tests are skipped and say why.
#include "support/SaveFaultFixture.h"

#include "core/history/HistoryStore.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryModel.h"
#include "ui/office/OfficeControls.h"

#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace belvane;
using namespace belvane::test;

namespace {

enum class Disk { Full, ReadOnly };

class RealDiskTest;
using Step = void (*)(RealDiskTest&);

struct DiskCase {
    const char* name;
    Disk disk;
    const char* file;      // the file the message must name
    int questionsFirst;
    Step prepare, act, retry, saved;
};

class RealDiskTest : public SaveFaultFixture, public ::testing::WithParamInterface<DiskCase> {
public:
    void SetUp() override
    {
        SaveFaultFixture::SetUp();
        m_mountPoint = QFile::encodeName(m_dir.path());
        if (::mount("tmpfs", m_mountPoint.constData(), "tmpfs", 0, kOptions) != 0)
            GTEST_SKIP() << "cannot mount a memory disk here (" << std::strerror(errno)
                         << "); the real full-disk and read-only tests need the right to mount";
        m_mounted = true;
    }
    void TearDown() override
    {
        SaveFaultFixture::TearDown();
        if (m_mounted)
            ::umount2(m_mountPoint.constData(), MNT_DETACH);
    }

    void remount(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        ASSERT_EQ(::mount("tmpfs", m_mountPoint.constData(), "tmpfs", flags, kOptions), 0) << std::strerror(errno);
    }
    // Fills the disk to its last byte with a file of no use to the program.
    void fill()
    {
        const QByteArray path = QFile::encodeName(appDir() + QStringLiteral("filler"));
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const QByteArray chunk(512, 'x');
        while (::write(fd, chunk.constData(), size_t(chunk.size())) > 0) {
        }
        while (::write(fd, "x", 1) > 0) {
        }
        ::close(fd);
    }
    void empty() { ASSERT_TRUE(QFile::remove(appDir() + QStringLiteral("filler"))); }
    void mend(Disk disk)
    {
        if (disk == Disk::Full)
            empty();
        else
            remount(false);
    }

private:
    static constexpr const char* kOptions = "size=128k,mode=0755";
    QByteArray m_mountPoint;
    bool m_mounted = false;
};

const DiskCase kCases[] = {
    {"OfficeOnAFullDisk", Disk::Full, "Office.bvo", 0, [](RealDiskTest& t) { t.officeEdited(); },
     [](RealDiskTest& t) { t.click(controls::office::kSave); },
     [](RealDiskTest& t) { t.click(controls::office::kSave); }, [](RealDiskTest& t) { t.officeSaved(); }},
    {"OfficeOnAReadOnlyDisk", Disk::ReadOnly, "Office.bvo", 0, [](RealDiskTest& t) { t.officeEdited(); },
     [](RealDiskTest& t) { t.click(controls::office::kSave); },
     [](RealDiskTest& t) { t.click(controls::office::kSave); }, [](RealDiskTest& t) { t.officeSaved(); }},
    {"BudgetOnAFullDisk", Disk::Full, "ORC000001.bvp", 1, [](RealDiskTest& t) { t.savedThenChanged(); },
     [](RealDiskTest& t) {
         // The database cannot keep the earlier version either: asked first, the user saves anyway.
         Prompts::queueAnswer(QMessageBox::Yes);
         t.click(controls::project::kSaveBudget);
     },
     [](RealDiskTest& t) { t.click(controls::project::kSaveBudget); },
     [](RealDiskTest& t) { EXPECT_EQ(t.stored(1).Area, 120.0f); }},
    {"BudgetOnAReadOnlyDisk", Disk::ReadOnly, "ORC000001.bvp", 1,
     [](RealDiskTest& t) { t.savedThenChanged(); },
     [](RealDiskTest& t) {
         // The database cannot keep the earlier version either: asked first, the user saves anyway.
         Prompts::queueAnswer(QMessageBox::Yes);
         t.click(controls::project::kSaveBudget);
     },
     [](RealDiskTest& t) { t.click(controls::project::kSaveBudget); },
     [](RealDiskTest& t) { EXPECT_EQ(t.stored(1).Area, 120.0f); }},
    {"ColoursOnAFullDisk", Disk::Full, "Colors.bin", 0, [](RealDiskTest& t) { t.colourChosen(); },
     [](RealDiskTest& t) { t.click(controls::history::kColorsOk); },
     [](RealDiskTest& t) {
         t.click(controls::history::kColors);
         t.click(controls::history::kColorsOk);
     },
     [](RealDiskTest& t) { t.colourSaved(); }},
    {"WriteBackAtCloseOnAReadOnlyDisk", Disk::ReadOnly, "ORC000001.bvp", 0,
     [](RealDiskTest& t) {
         t.firstSave();
         t.window().openPage(kHistoryPage);
         HistoryModel* model = t.historyPage()->model();
         t.historyPage()->grid()->setCurrentIndex(model->index(0, kColStatus));
         ASSERT_TRUE(model->setData(model->index(0, kColStatus), QStringLiteral("Aprovado"), Qt::EditRole));
     },
     [](RealDiskTest& t) {
         Prompts::queueAnswer(QMessageBox::No);
         EXPECT_FALSE(t.closeWindow());
     },
     [](RealDiskTest& t) { EXPECT_TRUE(t.closeWindow()); },
     [](RealDiskTest& t) { EXPECT_EQ(t.stored(1).Status.toQString(), QStringLiteral("Aprovado")); }},
    {"DeleteOnAReadOnlyDisk", Disk::ReadOnly, "ORC000001.bvp", 1,
     [](RealDiskTest& t) {
         t.firstSave();
         t.window().openPage(kHistoryPage);
         t.historyPage()->selectRow(0);
     },
     [](RealDiskTest& t) {
         Prompts::queueAnswer(QMessageBox::Yes);
         t.click(controls::history::kDelete);
         EXPECT_EQ(t.history().rowCount(), 1);
     },
     [](RealDiskTest& t) {
         t.historyPage()->selectRow(0);
         Prompts::queueAnswer(QMessageBox::Yes);
         t.click(controls::history::kDelete);
     },
     [](RealDiskTest& t) {
         EXPECT_EQ(t.history().rowCount(), 0);
         EXPECT_FALSE(QFile::exists(t.projects() + BudgetFileName(1)));
     }},
};

} // namespace

TEST_P(RealDiskTest, ReportsKeepsTheOldFileAndSavesOnceMended)
{
    const DiskCase& c = GetParam();
    c.prepare(*this);
    ASSERT_FALSE(HasFatalFailure());
    Prompts::clearLog();
    const FolderPicture before = picture();
    if (c.disk == Disk::Full)
        fill();
    else
        remount(true);
    ASSERT_FALSE(HasFatalFailure());

    c.act(*this);
    const QStringList shown = Prompts::messages().mid(c.questionsFirst);
    ASSERT_EQ(shown.size(), 1) << shown.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(shown.first().contains(QStringLiteral("Não foi possível"))) << shown.first().toStdString();
    EXPECT_TRUE(shown.first().contains(QString::fromLatin1(c.file))) << shown.first().toStdString();
    const QString reason = c.disk == Disk::Full ? QStringLiteral("o disco está cheio")
                                                : QStringLiteral("somente leitura|protegido contra gravação");
    EXPECT_TRUE(shown.first().contains(QRegularExpression(reason))) << shown.first().toStdString();

    mend(c.disk);
    FolderPicture after = picture();
    for (const auto& [file, contents] : before) {
        ASSERT_TRUE(after.count(file)) << "lost: " << file.toStdString();
        EXPECT_EQ(after.at(file), contents) << "altered: " << file.toStdString();
    }
    EXPECT_EQ(after.size(), before.size()) << "a temporary file was left behind";

    Prompts::clearLog();
    c.retry(*this);
    c.saved(*this);
}

INSTANTIATE_TEST_SUITE_P(MemoryDisk, RealDiskTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DiskCase>& info) { return std::string(info.param.name); });
