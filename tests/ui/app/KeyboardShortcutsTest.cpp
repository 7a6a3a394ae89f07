#include "support/BudgetFixture.h"

#include "ui/history/HistoryPage.h"

#include <QApplication>
#include <QTableView>

using namespace belvane;
using belvane::test::BudgetFixture;

namespace {

class KeyboardShortcutsTest : public BudgetFixture {
protected:
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
};

} // namespace

TEST_F(KeyboardShortcutsTest, ABudgetIsPricedSavedAndFoundAgainWithoutTheMouse)
{
    TForm1& w = start();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    setUpOffice();

    press(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(w.pages()->currentIndex(), kProjectPage);
    enterOneMemberBudget();
    press(Qt::Key_S, Qt::ControlModifier);   // nothing generated yet: the save button is off
    EXPECT_TRUE(Prompts::messages().isEmpty());
    press(Qt::Key_F9);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(Prompts::messages().isEmpty());
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
    press(Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_dados"));

    press(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(w.pages()->currentIndex(), kHistoryPage);
    press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), find<QWidget>("Edit1"));
    auto* grid = find<QTableView>("Ng8");
    grid->setFocus(Qt::TabFocusReason);   // as Tab brings the user into the grid
    press(Qt::Key_Space);
    ASSERT_EQ(historyPage()->selectedRow(), 0);
    press(Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(find<QWidget>("NxHeaderPanel14")->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(find<QWidget>("NxHeaderPanel14")->isVisible());

    press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(w.pages()->currentIndex(), kOfficePage);
    press(Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(find<QStackedWidget>("PageControl2")->currentIndex(), 1);
    press(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(w.pages()->currentIndex(), kMenuPage);
}
