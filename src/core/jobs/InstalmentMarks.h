#pragma once
// Stage billing: what became of each instalment of a job's payment schedule. An instalment is
// billed ("Faturada") on a day and received ("Recebida") on a day with the value that came in,
// which may differ from the instalment's value (a discount, a late fee, a partial payment).
//
// Marks are kept by the instalment's position in the schedule, from 1, as the schedule itself is
// stored. A schedule edited later keeps the marks of the positions it still has, whatever their
// stage is called now; the marks of positions it no longer has are dropped with the edit.
//
// An instalment is overdue when its due text is a date ("dd/mm/aaaa") before today and it has not
// been received; a due phrase ("na entrega") never makes one overdue.
#include "core/payment/PaymentSchedule.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace belvane {

struct InstalmentMark {
    int position = 0;         // 1 is the schedule's first instalment
    QDate billedOn;           // invalid: not billed
    QDate receivedOn;         // invalid: not received
    double receivedValue = 0; // R$ that came in, to the centavo

    bool billed() const { return billedOn.isValid(); }
    bool received() const { return receivedOn.isValid(); }
    // A mark with nothing marked is no mark at all.
    bool empty() const { return !billed() && !received(); }
    bool operator==(const InstalmentMark&) const = default;
};

// One change of a mark, as the billing's timeline keeps it: which instalment, when, which field
// ("faturada", "recebida", "valor recebido", or "removida" when an edit of the schedule dropped
// the instalment), from what to what. Dates are written "dd/mm/aaaa", values with two decimals and
// a point, an unmarked field empty.
struct InstalmentMarkChange {
    int budgetNumber = 0;
    int position = 0;
    QDateTime at;
    QString field;
    QString oldValue;
    QString newValue;
    bool operator==(const InstalmentMarkChange&) const = default;
};

inline constexpr QStringView kBilledField = u"faturada";
inline constexpr QStringView kReceivedField = u"recebida";
inline constexpr QStringView kReceivedValueField = u"valor recebido";
inline constexpr QStringView kDroppedField = u"removida";

// What changed from `before` to `after` (the same instalment), at `at`; nothing when nothing did.
std::vector<InstalmentMarkChange> markChanges(int budgetNumber, const InstalmentMark& before,
                                              const InstalmentMark& after, const QDateTime& at);

// One instalment of a job as the billing shows it.
struct InstalmentState {
    Instalment instalment;
    double value = 0; // its share of the fee, to the centavo
    InstalmentMark mark;
    bool overdue = false;
};

// The due date an instalment's "Vencimento" spells; none for a phrase.
std::optional<QDate> dueDateOf(const QString& due);

class InstalmentMarks {
public:
    // The schedule of a job, the fee it shares and the marks kept for it (in any order; a mark of
    // a position the schedule does not have is not looked at), as they stand on `today`.
    InstalmentMarks(const PaymentSchedule& schedule, double fee, const std::vector<InstalmentMark>& marks,
                    const QDate& today);

    const std::vector<InstalmentState>& instalments() const { return m_states; }

    // What is overdue, in R$ to the centavo: the values of the instalments overdue.
    double overdueTotal() const;
    // The values of the billed instalments, and the values received, to the centavo.
    double billedTotal() const;
    double receivedTotal() const;
    // The same as shares of the fee in percent to one decimal; 0 for a job without a fee.
    double billedShare() const { return shareOfFee(billedTotal()); }
    double receivedShare() const { return shareOfFee(receivedTotal()); }

private:
    double shareOfFee(double value) const;

    std::vector<InstalmentState> m_states;
    double m_fee = 0;
};

} // namespace belvane
