#include "core/budget/TextFieldCapacities.h"

#include <gtest/gtest.h>

#include <array>

using namespace belvane;

TEST(TextCapacityTest, FieldsKeepWhatTheirRecordHoldsAndAFittingTextIsStoredWhole)
{
    using namespace belvane::textCapacity;
    EXPECT_EQ((std::array{kClientName, kClientAddress, kClientPhone, kClientEmail, kProjectCode}),
              (std::array{100, 255, 20, 30, 30}));
    EXPECT_EQ((std::array{kOfficeName, kStaffName, kStaffRole, kExpenseName}), (std::array{50, 30, 20, 30}));

    // Accented letters take one byte each; an emoji is one '?' however many UTF-16 units it has.
    const QString email = QStringLiteral("joão.conceição@construtora.com");
    ASSERT_EQ(email.size(), kClientEmail);
    EXPECT_TRUE(fitsCapacity(email, kClientEmail));
    EXPECT_FALSE(fitsCapacity(email + u'b', kClientEmail));
    EXPECT_EQ(storedLength(QStringLiteral("Obra 🛈")), 6);
    EXPECT_TRUE(fitsCapacity(QString(), 0));

    TBudgetData budget{};
    budget.ClientEmail.assign(email);
    EXPECT_EQ(budget.ClientEmail.toQString(), email);
}
