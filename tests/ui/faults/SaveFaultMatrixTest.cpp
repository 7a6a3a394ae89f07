// Every way the program writes or deletes a data file, each meeting every way a disk can refuse:
// a write that breaks off, a replace that fails, a deletion that fails, a data folder that has gone
// or become a file. Whatever happens, the user reads one Portuguese message naming the file, the
// work stays in memory, the file that was there before is still there byte for byte, no half
// written file is left behind, and once the cause is mended the same action succeeds.
#include "support/SaveFaultFixture.h"

#include "core/budget/BudgetCounter.h"
#include "core/history/HistoryStore.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryModel.h"
#include "ui/office/OfficeControls.h"

#include <QTableView>

#include <vector>

using namespace belvane;
using namespace belvane::test;

namespace {

class SaveFaultMatrix;
using Step = void (*)(SaveFaultMatrix&);

struct SavePath {
    const char* name;
    const char* folder;        // the data folder the file lives in
    const char* file;          // the file whose write meets the fault
    const char* removed;       // the file whose deletion meets FailRemove
    const char* folderNamed;   // what the message names when the folder is gone
    std::vector<SaveFault> faults;
    int questionsFirst;        // questions the action asks before anything is written
    QStringList mayChange;     // other files the action still writes when only `file` fails
    Step prepare;              // reaches the moment before the save; the previous file exists
    Step act;                  // the user's action that saves
    Step kept;                 // what must still be in memory after the failure
    Step retry;                // the same action again, the cause mended
    Step saved;                // what the file holds after the retry
};

struct FaultCase {
    const SavePath* path;
    SaveFault fault;
};

class SaveFaultMatrix : public SaveFaultFixture, public ::testing::WithParamInterface<FaultCase> {};

const QString kOfficeSaved = QStringLiteral("Escritório foi salvo com sucesso");
const std::vector<SaveFault> kWriteFaults{SaveFault::FailWrite, SaveFault::FailCommit,
                                          SaveFault::FolderMissing, SaveFault::FolderIsFile};

const SavePath kPaths[] = {
    {"OfficeButton",
     "Escrt",
     "Office.bvo",
     "",
     "Office.bvo",
     kWriteFaults,
     0,
     {},
     [](SaveFaultMatrix& t) { t.officeEdited(); },
     [](SaveFaultMatrix& t) { t.click(controls::office::kSave); },
     [](SaveFaultMatrix& t) { t.officeKept(); },
     [](SaveFaultMatrix& t) {
         t.click(controls::office::kSave);
         EXPECT_EQ(Prompts::messages().last(), kOfficeSaved);
     },
     [](SaveFaultMatrix& t) { t.officeSaved(); }},
    {"OfficeAtClose",
     "Escrt",
     "Office.bvo",
     "",
     "Office.bvo",
     kWriteFaults,
     1,
     {},
     [](SaveFaultMatrix& t) { t.officeEdited(); },
     [](SaveFaultMatrix& t) {
         Prompts::queueAnswer(QMessageBox::Yes);
         EXPECT_FALSE(t.closeWindow());
     },
     [](SaveFaultMatrix& t) { t.officeKept(); },
     [](SaveFaultMatrix& t) {
         Prompts::queueAnswer(QMessageBox::Yes);
         EXPECT_TRUE(t.closeWindow());
         EXPECT_EQ(Prompts::messages().last(), kOfficeSaved);
     },
     [](SaveFaultMatrix& t) { t.officeSaved(); }},
    {"BudgetSave",
     "Projetos",
     "ORC000001.bvp",
     "",
     "ORC000001.bvp",
     kWriteFaults,
     0,
     {},
     [](SaveFaultMatrix& t) { t.savedThenChanged(); },
     [](SaveFaultMatrix& t) { t.click(controls::project::kSaveBudget); },
     [](SaveFaultMatrix& t) {
         EXPECT_TRUE(t.window().state().budget().modified());
         EXPECT_EQ(t.window().state().budget().record().Area, 120.0f);
         EXPECT_TRUE(t.project()->saveButton()->isEnabled());
     },
     [](SaveFaultMatrix& t) {
         t.click(controls::project::kSaveBudget);
         EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
     },
     [](SaveFaultMatrix& t) { EXPECT_EQ(t.stored(1).Area, 120.0f); }},
    {"BudgetSaveAsNew",
     "Projetos",
     "ORC000002.bvp",
     "",
     "ORC000002.bvp",
     kWriteFaults,
     0,
     {},
     [](SaveFaultMatrix& t) { t.reopenedAtSaveAs(); },
     [](SaveFaultMatrix& t) { t.click(controls::project::kSaveAsNew); },
     [](SaveFaultMatrix& t) {
         EXPECT_TRUE(t.saveAsPanelShown());
         EXPECT_TRUE(t.window().state().budget().reopened());
         EXPECT_EQ(t.window().state().budget().record().Number, 1);
         EXPECT_EQ(t.history().rowCount(), 1);
     },
     [](SaveFaultMatrix& t) {
         t.click(controls::project::kSaveAsNew);
         EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo ."));
     },
     [](SaveFaultMatrix& t) {
         EXPECT_EQ(t.stored(2).Number, 2);
         EXPECT_EQ(t.counterBytes(), QByteArray("\x02\x00\x00\x00", 4));
         EXPECT_EQ(t.history().rowCount(), 2);
     }},
    {"BudgetOverwrite",
     "Projetos",
     "ORC000001.bvp",
     "",
     "ORC000001.bvp",
     kWriteFaults,
     0,
     {},
     [](SaveFaultMatrix& t) { t.reopenedAtSaveAs(); },
     [](SaveFaultMatrix& t) { t.click(controls::project::kSaveAsOverwrite); },
     [](SaveFaultMatrix& t) {
         EXPECT_TRUE(t.saveAsPanelShown());
         EXPECT_TRUE(t.window().state().budget().reopened());
     },
     [](SaveFaultMatrix& t) {
         t.click(controls::project::kSaveAsOverwrite);
         EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi atualizado ."));
     },
     [](SaveFaultMatrix& t) { EXPECT_EQ(t.stored(1).Status.toQString(), QStringLiteral("Editado")); }},
    // The counter is written last: when only it fails the budget is saved all the same, and the
    // next save of that budget brings the counter up to date.
    {"BudgetCounter",
     "Projetos",
     "Control.bin",
     "",
     "Projetos",
     kWriteFaults,
     0,
     {QStringLiteral("Projetos/ORC000006.bvp"), QStringLiteral("Projetos/Hist.bvh"),
      QStringLiteral("Projetos/Belvane.db")},
     [](SaveFaultMatrix& t) {
         ASSERT_TRUE(QDir().mkpath(t.projects()));
         ASSERT_TRUE(WriteBudgetCounter(t.projects(), 5).ok());
         t.start();
         t.setUpOffice();
         t.generate();
     },
     [](SaveFaultMatrix& t) { t.click(controls::project::kSaveBudget); },
     [](SaveFaultMatrix& t) { EXPECT_EQ(t.window().state().budget().record().Number, 6); },
     [](SaveFaultMatrix& t) {
         t.click(controls::project::kSaveBudget);
         EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
     },
     [](SaveFaultMatrix& t) {
         EXPECT_EQ(t.stored(6).Number, 6);
         EXPECT_EQ(t.counterBytes(), QByteArray("\x06\x00\x00\x00", 4));
     }},
    {"History",
     "Projetos",
     "Hist.bvh",
     "",
     "ORC000001.bvp",
     kWriteFaults,
     0,
     {QStringLiteral("Projetos/ORC000001.bvp"), QStringLiteral("Projetos/Belvane.db")},
     [](SaveFaultMatrix& t) { t.savedThenChanged(); },
     [](SaveFaultMatrix& t) { t.click(controls::project::kSaveBudget); },
     [](SaveFaultMatrix& t) { EXPECT_EQ(t.history().rowCount(), 1); },
     [](SaveFaultMatrix& t) {
         t.click(controls::project::kSaveBudget);
         EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
     },
     [](SaveFaultMatrix& t) {
         HistoryStore reread(t.projects());
         reread.load();
         ASSERT_EQ(reread.table().rowCount(), 1);
         EXPECT_EQ(reread.table().text(0, kColArea), QStringLiteral("120"));
     }},
    {"ColoursOk",
     "Escrt",
     "Colors.bin",
     "",
     "Colors.bin",
     kWriteFaults,
     0,
     {},
     [](SaveFaultMatrix& t) { t.colourChosen(); },
     [](SaveFaultMatrix& t) { t.click(controls::history::kColorsOk); },
     [](SaveFaultMatrix& t) { t.colourKept(); },
     [](SaveFaultMatrix& t) {
         if (!t.find<QWidget>("NxHeaderPanel15")->isVisible())
             t.click(controls::history::kColors);
         t.click(controls::history::kColorsOk);
         EXPECT_TRUE(Prompts::messages().isEmpty());
     },
     [](SaveFaultMatrix& t) { t.colourSaved(); }},
    {"ColoursAtClose",
     "Escrt",
     "Colors.bin",
     "",
     "Colors.bin",
     kWriteFaults,
     0,
     {QStringLiteral("Projetos/Hist.bvh")},
     [](SaveFaultMatrix& t) { t.colourChosen(); },
     [](SaveFaultMatrix& t) {
         Prompts::queueAnswer(QMessageBox::No);
         EXPECT_FALSE(t.closeWindow());
     },
     [](SaveFaultMatrix& t) { t.colourKept(); },
     [](SaveFaultMatrix& t) { EXPECT_TRUE(t.closeWindow()); },
     [](SaveFaultMatrix& t) { t.colourSaved(); }},
    // The status picked in the history goes into the budget file at close.
    {"WriteBackAtClose",
     "Projetos",
     "ORC000001.bvp",
     "",
     "ORC000001.bvp",
     kWriteFaults,
     0,
     {QStringLiteral("Projetos/Hist.bvh"), QStringLiteral("Escrt/Colors.bin")},
     [](SaveFaultMatrix& t) {
         t.firstSave();
         t.window().openPage(kHistoryPage);
         HistoryModel* model = t.historyPage()->model();
         t.historyPage()->grid()->setCurrentIndex(model->index(0, kColStatus));
         ASSERT_TRUE(model->setData(model->index(0, kColStatus), QStringLiteral("Aprovado"), Qt::EditRole));
     },
     [](SaveFaultMatrix& t) {
         Prompts::queueAnswer(QMessageBox::No);
         EXPECT_FALSE(t.closeWindow());
     },
     [](SaveFaultMatrix& t) {
         EXPECT_TRUE(t.history().isChecked(0, kColModified));
         EXPECT_EQ(t.history().text(0, kColStatus), QStringLiteral("Aprovado"));
     },
     [](SaveFaultMatrix& t) { EXPECT_TRUE(t.closeWindow()); },
     [](SaveFaultMatrix& t) { EXPECT_EQ(t.stored(1).Status.toQString(), QStringLiteral("Aprovado")); }},
    // "Excluir": the budget file is deleted, then the history rewritten without its row.
    {"Delete",
     "Projetos",
     "Hist.bvh",
     "ORC000001.bvp",
     "Hist.bvh",
     {SaveFault::FailRemove, SaveFault::FailWrite, SaveFault::FailCommit, SaveFault::FolderMissing,
      SaveFault::FolderIsFile},
     1,
     {QStringLiteral("Projetos/ORC000001.bvp")},
     [](SaveFaultMatrix& t) {
         t.firstSave();
         t.window().openPage(kHistoryPage);
         t.historyPage()->selectRow(0);
     },
     [](SaveFaultMatrix& t) {
         Prompts::queueAnswer(QMessageBox::Yes);
         t.click(controls::history::kDelete);
     },
     [](SaveFaultMatrix& t) {
         ASSERT_EQ(t.history().rowCount(), 1);
         EXPECT_EQ(t.find<QTableView>("Ng8")->model()->rowCount(), 1);
     },
     [](SaveFaultMatrix& t) {
         t.historyPage()->selectRow(0);
         Prompts::queueAnswer(QMessageBox::Yes);
         t.click(controls::history::kDelete);
         EXPECT_EQ(Prompts::messages().size(), 1);   // the question only
     },
     [](SaveFaultMatrix& t) {
         EXPECT_EQ(t.history().rowCount(), 0);
         EXPECT_FALSE(QFile::exists(t.projects() + BudgetFileName(1)));
         EXPECT_EQ(t.bytes(QStringLiteral("Projetos/Hist.bvh")), QByteArray("\xFF\xFE", 2));
     }},
};

std::vector<FaultCase> allCases()
{
    std::vector<FaultCase> cases;
    for (const SavePath& path : kPaths) {
        for (const SaveFault fault : path.faults)
            cases.push_back({&path, fault});
    }
    return cases;
}

bool folderFault(SaveFault fault)
{
    return fault == SaveFault::FolderMissing || fault == SaveFault::FolderIsFile;
}

} // namespace

TEST_P(SaveFaultMatrix, OneMessageNothingLostAndARetrySucceeds)
{
    const SavePath& path = *GetParam().path;
    const SaveFault fault = GetParam().fault;
    const QString folder = QString::fromLatin1(path.folder);
    const QString target = QString::fromLatin1(fault == SaveFault::FailRemove ? path.removed : path.file);
    const QString named = folderFault(fault) ? QString::fromLatin1(path.folderNamed) : target;

    path.prepare(*this);
    ASSERT_FALSE(HasFatalFailure());
    Prompts::clearLog();
    const FolderPicture before = picture();
    arm(fault, folder, target);
    path.act(*this);

    // One message besides the questions the action always asks, in Portuguese, naming the file.
    const QStringList shown = Prompts::messages().mid(path.questionsFirst);
    ASSERT_EQ(shown.size(), 1) << shown.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(shown.first().contains(QStringLiteral("Não foi possível"))) << shown.first().toStdString();
    EXPECT_TRUE(shown.first().contains(named)) << shown.first().toStdString();
    path.kept(*this);

    // The file that was there is whole, and nothing else appeared or changed.
    restoreFolder();
    const FolderPicture after = picture();
    const QString targetPath = folder + QLatin1Char('/') + target;
    const bool targetBefore = before.count(targetPath) != 0;
    ASSERT_EQ(after.count(targetPath) != 0, targetBefore) << targetPath.toStdString();
    if (targetBefore) {
        EXPECT_EQ(after.at(targetPath), before.at(targetPath)) << "the previous " << targetPath.toStdString() << " was altered";
    }
    for (const auto& [file, contents] : after) {
        if (path.mayChange.contains(file))
            continue;
        ASSERT_TRUE(before.count(file)) << "left behind: " << file.toStdString();
        EXPECT_EQ(contents, before.at(file)) << "altered: " << file.toStdString();
    }
    for (const auto& [file, contents] : before) {
        if (!path.mayChange.contains(file)) {
            EXPECT_TRUE(after.count(file)) << "lost: " << file.toStdString();
        }
    }

    Prompts::clearLog();
    path.retry(*this);
    path.saved(*this);
}

INSTANTIATE_TEST_SUITE_P(EverySavePath, SaveFaultMatrix, ::testing::ValuesIn(allCases()),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             return std::string(info.param.path->name) + "_" + faultName(info.param.fault);
                         });
