#include "core/stats/StatusBins.h"

namespace belvane {

const QStringList& statusBinLabels()
{
    static const QStringList labels = {QStringLiteral("Aprovado"), QStringLiteral("Aguardando"),
                                       QStringLiteral("Reprovado"), QStringLiteral("Concluído"),
                                       QStringLiteral("Editado")};
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
    return status == u"Aprovado" || status == u"Concluído";
}

} // namespace belvane
