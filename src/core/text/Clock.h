#pragma once
// The one source of "today" and "now" for the whole program. Tests pin it to a fixed moment so
// that dates written into records, the history and the statistics are deterministic.
#include <QDateTime>

namespace belvane {

class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    static void setFixed(const QDateTime& moment);  // an invalid moment returns to the real clock
};

} // namespace belvane
