#pragma once
// The payment schedule of each budget (table payment_instalments), its instalments in order.
#include "core/payment/PaymentSchedule.h"
#include "core/storage/IoResult.h"

namespace belvane {

class ExtensionDatabase;

class PaymentSchedules {
public:
    // The schema version that made the table.
    static constexpr int kMadeIn = 4;

    explicit PaymentSchedules(ExtensionDatabase& database) : m_database(database) {}

    // The budget's schedule; empty when it has none.
    PaymentSchedule of(int budgetNumber) const;
    // Replaces the whole schedule of the budget, all or none. The billing marks of the positions
    // the new schedule no longer has go with the old one.
    IoResult save(int budgetNumber, const PaymentSchedule& schedule);

private:
    ExtensionDatabase& m_database;
};

} // namespace belvane
