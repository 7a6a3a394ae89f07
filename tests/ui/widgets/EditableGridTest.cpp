#include "support/GridDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace belvane;
using namespace belvane::test;
using Kind = EditableGrid::Kind;

namespace {

enum { kName, kValue, kType, kCount, kDone, kSecret };

QList<EditableGrid::Column> sampleColumns()
{
    EditableGrid::Column name{QStringLiteral("Nome")};
    name.maxLength = 8;
    name.sortable = true;
    EditableGrid::Column value{QStringLiteral("Valor"), Kind::Number};
    value.pattern = QStringLiteral("0.00");
    value.pasteAllowed = false;
    value.sortable = true;
    EditableGrid::Column type{QStringLiteral("Tipo"), Kind::DropDown};
    type.items = {QStringLiteral("Técnico"), QStringLiteral("Apoio")};
    EditableGrid::Column count{QStringLiteral("Qtd"), Kind::Integer};
    count.maximum = 999;
    EditableGrid::Column done{QStringLiteral("Ok"), Kind::CheckBox};
    EditableGrid::Column secret{QStringLiteral("Oculta")};
    secret.hidden = true;
    secret.editable = false;
    return {name, value, type, count, done, secret};
}

class EditableGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&m_window);
        m_grid = new EditableGrid(QStringLiteral("NgTest"), sampleColumns(), &m_window);
        layout->addWidget(m_grid);
        m_window.resize(700, 300);
        m_window.show();
        for (int i = 0; i < 3; ++i)
            m_grid->appendRow();
        m_edits = std::make_unique<QSignalSpy>(m_grid, &EditableGrid::afterEdit);
    }

    // The (column, row) pairs announced so far.
    QList<QPair<int, int>> edits() const
    {
        QList<QPair<int, int>> result;
        for (const QList<QVariant>& e : *m_edits) {
            const auto cell = e.at(0).value<EditableGrid::Cell>();
            result << qMakePair(cell.column, cell.row);
        }
        return result;
    }

    QWidget m_window;
    EditableGrid* m_grid = nullptr;
    std::unique_ptr<QSignalSpy> m_edits;
};

} // namespace

TEST_F(EditableGridTest, OnlyAUserCommitAnnouncesAnEdit)
{
    m_grid->setCellText({0, kName}, QStringLiteral("Ana"));
    m_grid->setCellNumber({0, kValue}, 10);
    m_grid->setCellChecked({0, kDone}, true);
    m_grid->sortRows(kValue, Qt::DescendingOrder);
    m_grid->appendRow();
    EXPECT_TRUE(edits().isEmpty());

    ASSERT_TRUE(typeIntoCell(*m_grid, kValue, 1, QStringLiteral("1.500,5")));
    EXPECT_EQ(m_grid->cellText({1, kValue}), QStringLiteral("1500,50"));
    ASSERT_TRUE(typeIntoCell(*m_grid, kName, 2, QStringLiteral("Bruno"), Qt::Key_Escape));
    EXPECT_EQ(m_grid->cellText({2, kName}), QString());
    EXPECT_EQ(edits(), (QList<QPair<int, int>>{{kValue, 1}}));
}

TEST_F(EditableGridTest, AnnouncementComesAfterTheEditorClosed)
{
    int openEditors = -1;
    QObject::connect(m_grid, &EditableGrid::afterEdit, [&] {
        openEditors = int(m_grid->viewport()->findChildren<CellLineEdit*>().size());
        for (CellLineEdit* e : m_grid->viewport()->findChildren<CellLineEdit*>())
            openEditors -= e->isVisible() ? 0 : 1;
        // A handler may remove the edited row at once.
        m_grid->removeRow(0);
    });
    ASSERT_TRUE(typeIntoCell(*m_grid, kName, 0, QStringLiteral("Ana")));
    EXPECT_EQ(openEditors, 0);
    EXPECT_EQ(m_grid->rowCount(), 2);
}

TEST_F(EditableGridTest, NumberCellsTakeBrazilianDecimalsOnly)
{
    ASSERT_TRUE(typeIntoCell(*m_grid, kValue, 0, QStringLiteral("12a,5x")));
    EXPECT_EQ(m_grid->cellText({0, kValue}), QStringLiteral("12,50"));
    EXPECT_EQ(m_grid->cellNumber({0, kValue}), 12.5);
    ASSERT_TRUE(typeIntoCell(*m_grid, kValue, 0, QString()));   // emptied: back to 0
    EXPECT_EQ(m_grid->cellText({0, kValue}), QStringLiteral("0,00"));
    ASSERT_TRUE(typeIntoCell(*m_grid, kValue, 0, QStringLiteral("2,345")));
    EXPECT_EQ(m_grid->cellText({0, kValue}), QStringLiteral("2,35"));

    EXPECT_FALSE(m_grid->userEdit({0, kValue}, QStringLiteral("abc")));
    EXPECT_FALSE(m_grid->userEdit({0, kValue}, QStringLiteral("1.5.0,2,1")));
    EXPECT_EQ(m_grid->cellText({0, kValue}), QStringLiteral("2,35"));
    EXPECT_TRUE(m_grid->userEdit({0, kValue}, QStringLiteral("-7")));
    EXPECT_EQ(m_grid->cellText({0, kValue}), QStringLiteral("-7,00"));
    EXPECT_EQ(edits().size(), 4);
}

TEST_F(EditableGridTest, PastingIsRefusedWhereTheColumnSaysSo)
{
    QApplication::clipboard()->setText(QStringLiteral("99,5"));
    auto* value = openEditor<CellLineEdit>(*m_grid, kValue, 0);
    ASSERT_NE(value, nullptr);
    EXPECT_FALSE(value->pasteAllowed());
    value->selectAll();
    QTest::keyClick(value, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(value->text(), QStringLiteral("0,00"));
    EXPECT_EQ(value->contextMenuPolicy(), Qt::NoContextMenu);
    QTest::keyClick(value, Qt::Key_Escape);

    QApplication::clipboard()->setText(QStringLiteral("Carla"));
    auto* name = openEditor<CellLineEdit>(*m_grid, kName, 0);
    ASSERT_NE(name, nullptr);
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("Carla"));
    QTest::keyClick(name, Qt::Key_Return);
    settleEditors();
    EXPECT_EQ(m_grid->cellText({0, kName}), QStringLiteral("Carla"));
}

TEST_F(EditableGridTest, TextIsCutToItsLengthAndWholeNumbersToTheirRange)
{
    ASSERT_TRUE(typeIntoCell(*m_grid, kName, 0, QStringLiteral("Maximiliano")));
    EXPECT_EQ(m_grid->cellText({0, kName}), QStringLiteral("Maximili"));
    EXPECT_TRUE(m_grid->userEdit({1, kName}, QStringLiteral("Bernardino")));
    EXPECT_EQ(m_grid->cellText({1, kName}), QStringLiteral("Bernardi"));

    ASSERT_TRUE(typeIntoCell(*m_grid, kCount, 0, QStringLiteral("1,5")));
    EXPECT_EQ(m_grid->cellText({0, kCount}), QStringLiteral("15"));
    EXPECT_FALSE(m_grid->userEdit({0, kCount}, QStringLiteral("1000")));
    EXPECT_FALSE(m_grid->userEdit({0, kCount}, QStringLiteral("-1")));
    EXPECT_FALSE(m_grid->userEdit({0, kCount}, QStringLiteral("+1")));
    EXPECT_TRUE(m_grid->userEdit({0, kCount}, QStringLiteral("007")));
    EXPECT_EQ(m_grid->cellText({0, kCount}), QStringLiteral("7"));

    EXPECT_TRUE(m_grid->isColumnHidden(kSecret));
    EXPECT_FALSE(m_grid->userEdit({0, kSecret}, QStringLiteral("x")));   // read-only column
    EXPECT_FALSE(m_grid->userEdit({9, kName}, QStringLiteral("x")));     // no such row
}

TEST_F(EditableGridTest, DropDownOffersOnlyItsItems)
{
    auto* list = openEditor<QComboBox>(*m_grid, kType, 0);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), -1);   // an empty cell chooses nothing
    QTest::keyClick(list, Qt::Key_Escape);
    settleEditors();
    EXPECT_TRUE(edits().isEmpty());

    EXPECT_TRUE(chooseInCell(*m_grid, kType, 0, QStringLiteral("Apoio")));
    EXPECT_TRUE(chooseInCell(*m_grid, kType, 1, QStringLiteral("Técnico")));
    EXPECT_EQ(edits(), (QList<QPair<int, int>>{{kType, 0}, {kType, 1}}));
    EXPECT_FALSE(m_grid->userEdit({0, kType}, QStringLiteral("Estagiário")));

    m_grid->setColumnItems(kType, {QStringLiteral("Estagiário")});
    EXPECT_TRUE(m_grid->userEdit({0, kType}, QStringLiteral("Estagiário")));

    // Typing spells the item whole: "100" is not "10" with two keys lost.
    m_grid->setColumnItems(kType, {QStringLiteral("10"), QStringLiteral("50"), QStringLiteral("100")});
    EXPECT_TRUE(chooseInCell(*m_grid, kType, 2, QStringLiteral("100")));
    EXPECT_TRUE(chooseInCell(*m_grid, kType, 2, QStringLiteral("10")));
}

TEST_F(EditableGridTest, CheckBoxesToggleInPlace)
{
    m_grid->setFocus();
    m_grid->setCurrentCell(1, kDone);
    QTest::keyClick(m_grid, Qt::Key_Space);
    EXPECT_TRUE(m_grid->cellChecked({1, kDone}));
    EXPECT_TRUE(m_grid->userEdit({1, kDone}, QStringLiteral("0")));
    EXPECT_FALSE(m_grid->cellChecked({1, kDone}));
    EXPECT_FALSE(m_grid->userEdit({1, kDone}, QStringLiteral("sim")));
    EXPECT_EQ(edits(), (QList<QPair<int, int>>{{kDone, 1}, {kDone, 1}}));
}

TEST_F(EditableGridTest, SortingMovesWholeRowsAndKeepsTiesInOrder)
{
    const QStringList names = {QStringLiteral("Zélia"), QStringLiteral("Água"), QStringLiteral("Aluguel"),
                               QStringLiteral("Énio")};
    const double values[] = {50, 300, 120, 300};
    m_grid->removeAllRows();
    for (int i = 0; i < 4; ++i) {
        const int row = m_grid->appendRow();
        m_grid->setCellText({row, kName}, names[i]);
        m_grid->setCellNumber({row, kValue}, values[i]);
    }
    m_grid->setCellText({3, kValue}, QStringLiteral("?"));   // no number: lowest of all
    m_grid->sortRows(kValue, Qt::DescendingOrder);
    QStringList order;
    for (int r = 0; r < 4; ++r)
        order << m_grid->cellText({r, kName}) + QLatin1Char('=') + m_grid->cellText({r, kValue});
    EXPECT_EQ(order, (QStringList{QStringLiteral("Água=300,00"), QStringLiteral("Aluguel=120,00"),
                                  QStringLiteral("Zélia=50,00"), QStringLiteral("Énio=?")}));

    // A click on a sortable header sorts by it, largest first, then the other way round.
    m_grid->horizontalHeader()->sectionClicked(kName);
    EXPECT_EQ(m_grid->cellText({0, kName}), QStringLiteral("Zélia"));
    m_grid->horizontalHeader()->sectionClicked(kName);
    EXPECT_EQ(m_grid->cellText({0, kName}), QStringLiteral("Água"));
    EXPECT_EQ(m_grid->cellText({2, kName}), QStringLiteral("Énio"));
    EXPECT_TRUE(edits().isEmpty());
}
