#include "core/text/Clock.h"

namespace belvane {
namespace {
QDateTime g_fixedMoment;
}

QDateTime Clock::now()
{
    return g_fixedMoment.isValid() ? g_fixedMoment : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime& moment)
{
    g_fixedMoment = moment;
}

} // namespace belvane
