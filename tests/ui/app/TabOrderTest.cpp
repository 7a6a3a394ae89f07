#include "support/AppFixture.h"
#include "ui/budget/ProjectControls.h"
#include "ui/office/OfficeControls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStackedWidget>
#include <QTest>

using namespace belvane;
using belvane::test::AppFixture;

namespace {

// The controls a keyboard user must be able to reach on the page shown: every visible, enabled
// control that takes focus with the Tab key.
QList<QWidget*> reachableControls(QWidget* page)
{
    QList<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)
                           || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w)
                           || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w);
        // Within a group of radio buttons Tab reaches the chosen one and the arrows the others.
        auto* radio = qobject_cast<QRadioButton*>(w);
        if (radio && radio->autoExclusive() && !radio->isChecked())
            continue;
        if (input && w->isVisibleTo(page) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !qobject_cast<QLineEdit*>(w->parentWidget()) && !qobject_cast<QAbstractSpinBox*>(w->parentWidget())
            && !qobject_cast<QComboBox*>(w->parentWidget()))
            controls.append(w);
    }
    return controls;
}

struct PageAndSubPage {
    int page;
    const char* selector;   // the sub-page's selector button, or none for the page as it opens
};

class TabOrderTest : public AppFixture, public ::testing::WithParamInterface<PageAndSubPage> {};

} // namespace

// Walks the Tab key round the whole window and checks that it comes to every control of the page.
TEST_P(TabOrderTest, TabReachesEveryControlOfThePage)
{
    TForm1& w = start();
    w.show();
    w.splash()->hide();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.openPage(GetParam().page);
    if (GetParam().selector)
        find<QPushButton>(GetParam().selector)->click();
    QWidget* page = w.pages()->currentWidget();
    const QList<QWidget*> expected = reachableControls(page);
    ASSERT_FALSE(expected.isEmpty());
    expected.first()->setFocus(Qt::TabFocusReason);
    QSet<QWidget*> reached;
    QStringList trail;
    for (int step = 0; step < 400 && reached.size() < expected.size(); ++step) {
        if (QWidget* focus = QApplication::focusWidget()) {
            for (QWidget* control : expected)
                if (control == focus || control->isAncestorOf(focus))
                    reached.insert(control);
            trail << QString::fromLatin1(focus->metaObject()->className()) + QLatin1Char(':') + focus->objectName();
            // A selector reached by Tab opens its list; the user picks or leaves it with Esc first.
            if (QLatin1String(focus->metaObject()->className()) == QLatin1String("QComboBoxListView")) {
                QTest::keyClick(focus, Qt::Key_Escape);
                continue;
            }
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    }
    for (QWidget* control : expected)
        EXPECT_TRUE(reached.contains(control)) << trail.mid(0, 60).join(QLatin1Char(' ')).toStdString() << "\nnot reached by Tab: " << control->metaObject()->className()
                                               << " " << control->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, TabOrderTest,
    ::testing::Values(PageAndSubPage{kMenuPage, nullptr}, PageAndSubPage{kOfficePage, nullptr},
                      PageAndSubPage{kOfficePage, controls::office::kCostsSelector},
                      PageAndSubPage{kProjectPage, nullptr},
                      PageAndSubPage{kProjectPage, controls::project::kResourcesSelector},
                      PageAndSubPage{kHistoryPage, nullptr}, PageAndSubPage{kStatsPage, nullptr}));
