#pragma once
// Hours as a person types them into the hours grid: Brazilian text ("1,5", "2", "0,25"), in
// steps of a quarter of an hour, more than zero, and never more than 24 hours for one person on
// one day, counting every seat's journal. Refused text comes back with a Portuguese hint that
// says what to type instead.
#include "core/jobs/RecordedHourEntry.h"

#include <QDate>
#include <QString>

namespace belvane {

class HourBook;

struct TypedHours {
    int quarters = 0;
    QString hint; // empty when the hours are taken
    bool ok() const { return hint.isEmpty(); }
};

// The text alone: a number, above zero, a multiple of 0,25, at most 24.
TypedHours readTypedHours(const QString& text);

// The text for `person` on `day`, with what the office already recorded for that person that
// day; `replacing` is the entry being edited, whose old hours give way to the new ones.
TypedHours checkTypedHours(const QString& text, const HourBook& book, const QString& person, const QDate& day,
                           const HourEntryId* replacing = nullptr);

} // namespace belvane
