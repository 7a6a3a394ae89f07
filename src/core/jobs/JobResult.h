#pragma once
// What a job earns: the money that came in and the money its hours cost, against the fee agreed.
//
// The hours cost what the office's hour costs now (its CostPerHour in force, not the one the
// budget was quoted with): the question is what the job costs the office as it runs today. The
// taxes are charged on the value invoiced, at the budget's tax rate in percent, as the quotation
// charges them on the quoted value (taxes = rate × value / 100).
//
// Two figures are known: the cost of the hours recorded and the result so far (received − taxes
// on it − cost of the hours). Two are estimates: the projected result at completion assumes the
// whole fee comes in and the job takes at least the man-hours estimated (fee − taxes on it − cost
// of the larger of estimated and recorded hours), and the margin is that projection as a share of
// the fee. Every figure is worked out in doubles and rounded once, to the centavo (the margin to
// 0,1 %).
#include <optional>

namespace belvane {

// What a job's result is worked out from.
struct JobMoneyInputs {
    double fee = 0;            // agreedFee: the negotiated value, else the quoted one
    double taxRate = 0;        // the budget's TaxRate, percent
    double received = 0;       // the instalments' values received
    double recordedHours = 0;  // every hour recorded on the job
    double estimatedHours = 0; // the budget's Hxh
    double costPerHour = 0;    // the office's CostPerHour in force
};

struct JobResult {
    double costOfHours = 0; // recorded hours × cost per hour
    double taxesOnFee = 0;
    double taxesOnReceived = 0;
    double resultSoFar = 0;              // received − taxes on it − cost of hours
    double projectedResult = 0;          // estimate: fee − taxes on it − cost of max(estimated, recorded)
    std::optional<double> marginPercent; // estimate: projected ÷ fee in %; none without a fee

    static JobResult of(const JobMoneyInputs& job);
};

} // namespace belvane
