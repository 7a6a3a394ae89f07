// Dates as the history file holds them ("dd/mm/yyyy", with a time of day after a blank) and as
// the records hold them (day counts, doubles of any bit pattern in a damaged file). A date read
// must be written as a text that reads back to the same text; the history must write what the
// general date writer writes, day 0 aside, which it keeps as the empty date.
#include "FuzzSupport.h"

#include "core/history/HistoryCellText.h"
#include "core/text/DayCount.h"

#include <cmath>
#include <cstring>

using namespace belvane;
using namespace belvane::fuzz;

namespace {

void readText(QStringView text)
{
    const std::optional<double> count = parseDateText(text);
    if (!count)
        return;
    const QString written = formatDayCountDate(*count);
    check(!written.isEmpty(), "a date read must have a text", text.toString());
    const std::optional<double> back = parseDateText(written);
    check(back.has_value(), "a date written must read back", text.toString() + QStringLiteral(" -> ") + written);
    check(formatDayCountDate(*back) == written, "a date read back must be written the same",
          text.toString() + QStringLiteral(" -> ") + written + QStringLiteral(" -> ") + formatDayCountDate(*back));
    check(readHistoryDate(text) == count, "the history's date reader must agree with the general one");
}

void writeCount(double count)
{
    const QString general = formatDayCountDate(count);
    // Only day 0 itself is the history's empty date.
    if (general != formatDayCountDate(0.0))
        check(historyDateText(count) == general, "the history's date text must be the general one",
              QStringLiteral("%1: \"%2\" and \"%3\"").arg(count, 0, 'g', 17).arg(historyDateText(count), general));
    if (general.isEmpty())
        return;
    check(dateFromDayCount(count).isValid(), "a count with a text must fall on a day");
    const std::optional<double> back = parseDateText(general);
    check(back.has_value(), "a date written must read back", general);
    check(formatDayCountDate(*back) == general, "a date read back must be written the same",
          general + QStringLiteral(" -> ") + formatDayCountDate(*back));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    readText(QString::fromUtf8(inputBytes(data, size)));
    if (size >= sizeof(double)) {
        double count;
        std::memcpy(&count, data, sizeof count);
        writeCount(count);
    }
    return 0;
}
