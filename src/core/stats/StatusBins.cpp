#include "core/stats/StatusBins.h"

#include "core/budget/StatusWords.h"

namespace belvane {

const QStringList& statusBinLabels()
{
    static const QStringList labels = {kStatusApproved.toString(), kStatusWaiting.toString(),
                                       kStatusRejected.toString(), kStatusDone.toString(),
                                       kStatusEdited.toString()};
    return labels;
}

std::optional<int> statusBinOf(QStringView status)
{
    const QStringList& labels = statusBinLabels();
    if (status == labels[kEditedBin])
        return kEditedBin;
    for (int bin = 0; bin < kEditedBin; ++bin) {
        if (status.compare(labels[bin], Qt::CaseInsensitive) == 0)
            return bin;
    }
    return std::nullopt;
}

bool isWonStatus(QStringView status)
{
    return status == kStatusApproved || status == kStatusDone;
}

} // namespace belvane
