#include "core/jobs/InstalmentMarks.h"

namespace belvane {
namespace {

QString markDateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString receivedValueText(const InstalmentMark& mark)
{
    return mark.received() ? QString::number(mark.receivedValue, 'f', 2) : QString();
}

} // namespace

std::vector<InstalmentMarkChange> markChanges(int budgetNumber, const InstalmentMark& before,
                                              const InstalmentMark& after, const QDateTime& at)
{
    std::vector<InstalmentMarkChange> changes;
    const auto note = [&](QStringView field, const QString& from, const QString& to) {
        if (from != to)
            changes.push_back({budgetNumber, after.position, at, field.toString(), from, to});
    };
    note(kBilledField, markDateText(before.billedOn), markDateText(after.billedOn));
    note(kReceivedField, markDateText(before.receivedOn), markDateText(after.receivedOn));
    note(kReceivedValueField, receivedValueText(before), receivedValueText(after));
    return changes;
}

std::optional<QDate> dueDateOf(const QString& due)
{
    const QDate date = QDate::fromString(due.trimmed(), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

InstalmentMarks::InstalmentMarks(const PaymentSchedule& schedule, double fee,
                                 const std::vector<InstalmentMark>& marks, const QDate& today)
    : m_fee(fee)
{
    const std::vector<double> values = schedule.values(fee);
    const std::vector<Instalment>& instalments = schedule.instalments();
    m_states.reserve(instalments.size());
    for (std::size_t i = 0; i < instalments.size(); ++i)
        m_states.push_back({instalments[i], values[i], {int(i) + 1, {}, {}, 0}, false});
    for (const InstalmentMark& mark : marks) {
        if (mark.position >= 1 && mark.position <= int(m_states.size()))
            m_states[std::size_t(mark.position - 1)].mark = mark;
    }
    for (InstalmentState& state : m_states) {
        const std::optional<QDate> due = dueDateOf(state.instalment.due);
        state.overdue = due && *due < today && !state.mark.received();
    }
}

double InstalmentMarks::overdueTotal() const
{
    double total = 0;
    for (const InstalmentState& state : m_states)
        total += state.overdue ? state.value : 0.0;
    return roundToCentavo(total);
}

double InstalmentMarks::billedTotal() const
{
    double total = 0;
    for (const InstalmentState& state : m_states)
        total += state.mark.billed() ? state.value : 0.0;
    return roundToCentavo(total);
}

double InstalmentMarks::receivedTotal() const
{
    double total = 0;
    for (const InstalmentState& state : m_states)
        total += state.mark.received() ? state.mark.receivedValue : 0.0;
    return roundToCentavo(total);
}

double InstalmentMarks::shareOfFee(double value) const
{
    return m_fee > 0 ? roundToTenth(value * 100.0 / m_fee) : 0.0;
}

} // namespace belvane
