#include "core/settings/StatusCellLook.h"

#include "core/budget/StatusWords.h"

namespace belvane {

StatusCellLook statusCellLook(QStringView status, bool highlight, const TStatusColors& swatches)
{
    const StatusCellLook plain{kPlainStatusCellColor, kPlainStatusTextColor};
    if (!highlight || status == kStatusEdited)
        return plain;
    StatusCellLook look{std::nullopt, swatches.Texto};
    if (status == kStatusApproved)
        look.cell = swatches.Aprovado;
    else if (status == kStatusWaiting)
        look.cell = swatches.Aguardando;
    else if (status == kStatusRejected)
        look.cell = swatches.Reprovado;
    else if (status == kStatusDone)
        look.cell = swatches.Concluido;
    return look;
}

} // namespace belvane
