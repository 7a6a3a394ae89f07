#pragma once
// The commercial life of a budget: when its status moved ("Aguardando" to "Aprovado") and when its
// negotiated value changed, from what to what, and for a lost budget why. The budget file keeps
// only the latest status; these changes are kept in the store's database.
#include "core/budget/BudgetRecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace belvane {

inline constexpr QStringView kStatusField = u"status";
inline constexpr QStringView kNegotiatedField = u"negociado";

struct StatusChange {
    int budgetNumber = 0;
    QDateTime at;
    QString field; // kStatusField or kNegotiatedField
    QString oldValue;
    QString newValue;
    QString reason; // only for a change to "Reprovado"; empty when none was given
    bool operator==(const StatusChange&) const = default;
};

// The reasons offered when a budget is lost; the user may also give none.
const QStringList& rejectionReasons();

// A negotiated value as the change log writes it: two decimals and a point, whatever the
// language of the machine, so the log reads the same everywhere.
QString negotiatedLogText(float value);

// A budget's commercial state as the history holds it: the values its status log speaks of.
struct CommercialState {
    QString status;
    float negotiated = 0.0f;
    bool operator==(const CommercialState&) const = default;
};

CommercialState commercialStateOf(const TBudgetData& budget);

// What changed from `before` to `after` of budget `number` at `at`; see statusChangesBetween.
// A reason given for a budget that was already lost is kept as a change of its own.
std::vector<StatusChange> commercialChanges(int number, const std::optional<CommercialState>& before,
                                            const CommercialState& after, const QDateTime& at,
                                            const QString& reason = {});

// What changed in status and negotiated value from `before` to `after`, at `at`. A budget saved
// for the first time has no `before`: its first status is a change from nothing, its negotiated
// value one only when it is not zero. `reason` goes with a change of status to "Reprovado".
std::vector<StatusChange> statusChangesBetween(const TBudgetData* before, const TBudgetData& after,
                                               const QDateTime& at, const QString& reason = {});

// One line of a budget's status history: the status and negotiated value it had after changes
// made at one moment, with the reason given for a loss.
struct StatusHistoryEntry {
    QDateTime at;
    QString status;
    QString negotiated; // as negotiatedLogText writes it
    QString reason;
};

// The budget's history from its changes, oldest first. Changes made at the same moment form one
// line; a value that did not change at that moment is carried from the line before.
std::vector<StatusHistoryEntry> statusTimeline(const std::vector<StatusChange>& changes);

} // namespace belvane
