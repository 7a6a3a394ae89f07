// Saving over a budget keeps the file it replaces as the budget's next revision: three saves of
// one budget leave revisions 1 and 2 beside the current file.
#include "support/BudgetFixture.h"

#include "core/budget/BudgetFile.h"
#include "core/store/ExtensionStore.h"
#include "support/Files.h"
#include "ui/budget/ProjectControls.h"

#include <QAbstractSpinBox>

using namespace belvane;
using namespace belvane::test;

namespace {
class RevisionKeepingTest : public BudgetFixture {};
} // namespace

TEST_F(RevisionKeepingTest, EverySaveOverABudgetKeepsThePreviousFile)
{
    start();
    setUpOffice();
    generate();
    QList<QByteArray> files;
    for (int save = 1; save <= 3; ++save) {
        if (save > 1)
            QTest::keyClick(find<QAbstractSpinBox>("R_lucro"), Qt::Key_Up); // a renegotiation to save
        click(controls::project::kSaveBudget);
        ASSERT_EQ(Prompts::messages().last().left(12), QStringLiteral("O orçamento "))
            << Prompts::messages().last().toStdString();
        files << fileContents(projects() + BudgetFileName(window().state().budget.record().Number));
    }
    const std::vector<BudgetRevision> kept =
        window().state().extensions->revisions(window().state().budget.record().Number);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].file, files[0]);
    EXPECT_EQ(kept[1].file, files[1]);
    EXPECT_NE(files[2], files[1]);
}
