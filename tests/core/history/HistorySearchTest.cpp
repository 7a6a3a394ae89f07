#include "core/history/HistorySearch.h"
#include "core/history/HistoryTable.h"

#include "support/HistoryTables.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::columnTexts;

namespace {

// One row per entry: the budget number, then (column, text) cells.
HistoryTable historyOf(const QList<QList<std::pair<int, QString>>>& rows)
{
    HistoryTable table;
    for (const auto& cells : rows) {
        const int row = table.appendRow();
        table.setText(row, kColNumber, QString::number(row + 1));
        for (const auto& [column, text] : cells)
            table.setText(row, column, text);
    }
    return table;
}

QList<bool> marks(const HistoryTable& table)
{
    QList<bool> flags;
    for (int row = 0; row < table.rowCount(); ++row)
        flags << table.isChecked(row, kColSelected);
    return flags;
}

} // namespace

TEST(HistorySearchTest, LowerCaseTextFindsCapitalsAndObservationsAndBringsThemUp)
{
    HistoryTable table = historyOf({{{kColClient, u"Maria"_qs}},
                                    {{kColClient, u"JOSÉ PEREIRA"_qs}},
                                    {{kColClient, u"Ana"_qs}},
                                    {{kColNotes, u"ligar para\r\no Pereira"_qs}},
                                    {{kColClient, u"Rui"_qs}}});
    EXPECT_EQ(SearchHistory(table, u"pereira"), 2);
    EXPECT_EQ(columnTexts(table, kColNumber), (QStringList{u"2"_qs, u"4"_qs, u"1"_qs, u"3"_qs, u"5"_qs}));
    EXPECT_EQ(marks(table), (QList<bool>{true, true, false, false, false}));
}

TEST(HistorySearchTest, NumberAndFileNameAreNotSearched)
{
    HistoryTable table = historyOf({{{kColClient, u"Ana"_qs}},
                                    {{kColFile, u"ORC000777.bvp"_qs}, {kColK1, u"777"_qs}},
                                    {{kColClient, u"Rui"_qs}, {kColEditedDateText, u"777"_qs}}});
    table.setChecked(2, kColSelected, true);  // left over from an earlier search
    table.setText(0, kColNumber, u"777"_qs);
    EXPECT_EQ(SearchHistory(table, u"777"), 0);
    EXPECT_EQ(columnTexts(table, kColNumber), (QStringList{u"777"_qs, u"2"_qs, u"3"_qs}));
    EXPECT_EQ(marks(table), (QList<bool>{false, false, false}));
}

TEST(HistorySearchTest, CapitalsFollowTheFullUnicodeRules)
{
    HistoryTable table = historyOf({{{kColService, u"Reforma"_qs}},
                                    {{kColClient, u"AÇOUGUE"_qs}},
                                    {{kColProjectCode, u"RUA STRASSE"_qs}}});
    EXPECT_EQ(SearchHistory(table, u"ç"), 1);
    EXPECT_EQ(columnTexts(table, kColNumber).first(), u"2"_qs);
    EXPECT_EQ(SearchHistory(table, u"straße"), 1);
    EXPECT_EQ(columnTexts(table, kColNumber).first(), u"3"_qs);

    HistoryTable beyond = historyOf({{{kColNotes, u"Rua Straße, 5 µm"_qs}}, {{kColClient, u"Zoë"_qs}}});
    EXPECT_EQ(SearchHistory(beyond, u"STRASSE"), 1);
    EXPECT_EQ(SearchHistory(beyond, u"µ"), 1);
    EXPECT_EQ(SearchHistory(beyond, u"ZOË"), 1);
    EXPECT_EQ(columnTexts(beyond, kColNumber).first(), u"2"_qs);
}

TEST(HistorySearchTest, QuickCapitalsOfLatinLettersAgreeWithTheFullRules)
{
    // Latin-1 texts are compared through a table of capitals; every pair of characters must
    // match exactly when the full Unicode capitals say so.
    HistoryTable table;
    for (char16_t c = 1; c <= 0xFF; ++c)
        table.setText(table.appendRow(), kColClient, QString(QChar(c)));
    for (char16_t d = 1; d <= 0xFF; ++d) {
        const QString needle(QChar{d});
        for (int row = 0; row < table.rowCount(); ++row) {
            const QString cell = table.text(row, kColClient);
            // Every row also shows 0 in its two number columns.
            const bool expected = cell.toUpper().contains(needle.toUpper()) || d == u'0';
            ASSERT_EQ(historyRowMatches(table, row, needle), expected)
                << "cell U+" << std::hex << int(cell.at(0).unicode()) << " text U+" << int(d);
        }
    }
}

TEST(HistorySearchTest, NumbersAndDatesAreSearchedAsTheyAreShown)
{
    HistoryTable table = historyOf({{{kColArea, u"85"_qs}},
                                    {{kColArea, u"120,5"_qs}},
                                    {{kColEditedDate, u"08/12/2020"_qs}},
                                    {{kColStatus, u"Aprovado"_qs}}});
    EXPECT_EQ(SearchHistory(table, u"0,5"), 1);
    EXPECT_EQ(columnTexts(table, kColNumber).first(), u"2"_qs);
    EXPECT_EQ(SearchHistory(table, u"12/2020"), 1);
    EXPECT_EQ(columnTexts(table, kColNumber).first(), u"3"_qs);
    EXPECT_EQ(SearchHistory(table, u"aprov"), 1);
    EXPECT_EQ(columnTexts(table, kColNumber).first(), u"4"_qs);
}

TEST(HistorySearchTest, EmptyTextChangesNothing)
{
    HistoryTable table = historyOf({{{kColClient, u"Ana"_qs}}, {{kColClient, u"Rui"_qs}}});
    table.setChecked(1, kColSelected, true);
    EXPECT_EQ(SearchHistory(table, u""), 0);
    EXPECT_EQ(marks(table), (QList<bool>{false, true}));
    EXPECT_EQ(columnTexts(table, kColNumber), (QStringList{u"1"_qs, u"2"_qs}));
}
