#include "core/history/StatusChange.h"

#include "core/budget/StatusWords.h"

namespace belvane {

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

std::vector<StatusChange> statusChangesBetween(const TBudgetData* before, const TBudgetData& after,
                                               const QDateTime& at, const QString& reason)
{
    std::vector<StatusChange> changes;
    const int number = after.Number;
    const QString oldStatus = before ? before->Status.toQString() : QString();
    const QString newStatus = after.Status.toQString();
    if (oldStatus != newStatus) {
        const bool lost = newStatus.compare(kStatusRejected, Qt::CaseInsensitive) == 0;
        changes.push_back(
            {number, at, kStatusField.toString(), oldStatus, newStatus, lost ? reason : QString()});
    }
    const QString oldValue = before ? negotiatedLogText(before->NegotiatedValue) : negotiatedLogText(0.0f);
    const QString newValue = negotiatedLogText(after.NegotiatedValue);
    if (oldValue != newValue)
        changes.push_back(
            {number, at, kNegotiatedField.toString(), before ? oldValue : QString(), newValue, {}});
    return changes;
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
