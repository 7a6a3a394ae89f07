#include "core/history/StatusChange.h"

#include "core/budget/StatusWords.h"

namespace belvane {

namespace {

bool isLoss(const QString& status)
{
    return status.compare(kStatusRejected, Qt::CaseInsensitive) == 0;
}

} // namespace


const QStringList& rejectionReasons()
{
    static const QStringList reasons = {QStringLiteral("Preço"),
                                        QStringLiteral("Prazo"),
                                        QStringLiteral("Escopo"),
                                        QStringLiteral("Concorrente"),
                                        QStringLiteral("Desistência do cliente"),
                                        QStringLiteral("Outro")};
    return reasons;
}

QString negotiatedLogText(float value)
{
    return QString::number(double(value), 'f', 2);
}

CommercialState commercialStateOf(const TBudgetData& budget)
{
    return {budget.Status.toQString(), budget.NegotiatedValue};
}

std::vector<StatusChange> commercialChanges(int number, const std::optional<CommercialState>& before,
                                            const CommercialState& after, const QDateTime& at,
                                            const QString& reason)
{
    std::vector<StatusChange> changes;
    const QString oldStatus = before ? before->status : QString();
    const bool lost = isLoss(after.status);
    // A reason given later for a budget already lost is news for its log all the same.
    if (oldStatus != after.status || (lost && isLoss(oldStatus) && !reason.isEmpty()))
        changes.push_back({number, at, kStatusField.toString(), oldStatus, after.status, lost ? reason : QString()});
    const QString oldValue = negotiatedLogText(before ? before->negotiated : 0.0f);
    const QString newValue = negotiatedLogText(after.negotiated);
    if (oldValue != newValue)
        changes.push_back({number, at, kNegotiatedField.toString(), before ? oldValue : QString(), newValue, {}});
    return changes;
}

std::vector<StatusChange> statusChangesBetween(const TBudgetData* before, const TBudgetData& after,
                                               const QDateTime& at, const QString& reason)
{
    return commercialChanges(after.Number, before ? std::optional(commercialStateOf(*before)) : std::nullopt,
                             commercialStateOf(after), at, reason);
}

std::vector<StatusHistoryEntry> statusTimeline(const std::vector<StatusChange>& changes)
{
    std::vector<StatusHistoryEntry> timeline;
    // Before its first logged change a value was what that change started from.
    QString status;
    QString negotiated;
    for (const StatusChange& change : changes) {
        if (change.field == kStatusField && status.isNull())
            status = change.oldValue;
        if (change.field == kNegotiatedField && negotiated.isNull())
            negotiated = change.oldValue;
    }
    for (const StatusChange& change : changes) {
        if (timeline.empty() || timeline.back().at != change.at)
            timeline.push_back({change.at, status, negotiated, {}});
        StatusHistoryEntry& entry = timeline.back();
        if (change.field == kStatusField) {
            status = entry.status = change.newValue;
            entry.reason = change.reason;
        } else if (change.field == kNegotiatedField) {
            negotiated = entry.negotiated = change.newValue;
        }
    }
    return timeline;
}

} // namespace belvane
