#include "core/jobs/JobResult.h"

#include "core/payment/PaymentSchedule.h"

#include <algorithm>

namespace belvane {

JobResult JobResult::of(const JobMoneyInputs& job)
{
    const double rate = job.taxRate / 100.0;
    const double costOfHours = job.recordedHours * job.costPerHour;
    const double projected =
        job.fee - job.fee * rate - std::max(job.estimatedHours, job.recordedHours) * job.costPerHour;
    JobResult result;
    result.costOfHours = roundToCentavo(costOfHours);
    result.taxesOnFee = roundToCentavo(job.fee * rate);
    result.taxesOnReceived = roundToCentavo(job.received * rate);
    result.resultSoFar = roundToCentavo(job.received - job.received * rate - costOfHours);
    result.projectedResult = roundToCentavo(projected);
    if (job.fee > 0)
        result.marginPercent = roundToTenth(projected * 100.0 / job.fee);
    return result;
}

} // namespace belvane
