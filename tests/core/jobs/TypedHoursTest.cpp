#include "core/jobs/TypedHours.h"
#include "core/jobs/HourBook.h"
#include "core/jobs/HourJournal.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

class TypedHoursTest : public test::TestFolder {};

TEST_F(TypedHoursTest, HoursAreAPositiveNumberOfQuarters)
{
    EXPECT_EQ(readTypedHours(QStringLiteral("1,5")).quarters, 6);
    EXPECT_EQ(readTypedHours(QStringLiteral(" 2 ")).quarters, 8);
    EXPECT_EQ(readTypedHours(QStringLiteral("0,25")).quarters, 1);
    EXPECT_EQ(readTypedHours(QStringLiteral("24")).quarters, 96);
    EXPECT_EQ(readTypedHours(QStringLiteral("duas")).hint,
              QStringLiteral("Digite as horas como um número, por exemplo 1,5 ou 0,25."));
    EXPECT_EQ(readTypedHours(QString()).hint, readTypedHours(QStringLiteral("duas")).hint);
    EXPECT_EQ(readTypedHours(QStringLiteral("-1")).hint,
              QStringLiteral("As horas devem ser maiores que zero."));
    EXPECT_EQ(readTypedHours(QStringLiteral("0")).hint, readTypedHours(QStringLiteral("-1")).hint);
    EXPECT_EQ(readTypedHours(QStringLiteral("1,3")).hint,
              QStringLiteral("As horas são registradas em quartos de hora: use 0,25, 0,5, 0,75, 1, 1,25..."));
    EXPECT_EQ(readTypedHours(QStringLiteral("24,25")).hint, QStringLiteral("Um dia tem no máximo 24 horas."));
}

TEST_F(TypedHoursTest, APersonsDayAcrossEveryJournalHoldsAtMost24Hours)
{
    const QDate day(2026, 12, 10);
    HourJournal ana(HourJournal::folderIn(folder()) + QStringLiteral("ana-PC-a1.horas"),
                    QStringLiteral("ana"), QStringLiteral("PC"));
    HourJournal bia(HourJournal::folderIn(folder()) + QStringLiteral("bia-PC-a1.horas"),
                    QStringLiteral("bia"), QStringLiteral("PC"));
    ASSERT_TRUE(ana.add({7, day, QStringLiteral("Ana"), otherActivitiesTask(), 40, {}}).ok());
    ASSERT_TRUE(bia.add({8, day, QStringLiteral("ana "), otherActivitiesTask(), 40, {}}).ok());
    ASSERT_TRUE(bia.add({8, day.addDays(1), QStringLiteral("Ana"), otherActivitiesTask(), 90, {}}).ok());
    ASSERT_TRUE(bia.add({8, day, QStringLiteral("Bia"), otherActivitiesTask(), 90, {}}).ok());
    HourBook book(folder());
    book.refresh();

    EXPECT_EQ(checkTypedHours(QStringLiteral("4"), book, QStringLiteral("Ana"), day).quarters, 16);
    EXPECT_EQ(checkTypedHours(QStringLiteral("4,25"), book, QStringLiteral("Ana"), day).hint,
              QStringLiteral(
                  "Ana já tem 20 h registradas em 10/12/2026; com estas seriam 24,25 h, mais que as 24 h "
                  "de um dia."));
    // Editing an entry: its old hours give way to the new ones.
    const HourEntryId edited{ana.fileName(), 1};
    EXPECT_TRUE(checkTypedHours(QStringLiteral("14"), book, QStringLiteral("Ana"), day, &edited).ok());
    EXPECT_FALSE(checkTypedHours(QStringLiteral("14,25"), book, QStringLiteral("Ana"), day, &edited).ok());
    EXPECT_FALSE(checkTypedHours(QStringLiteral("1,3"), book, QStringLiteral("Caio"), day).ok());
}

} // namespace
