#include "core/settings/StatusCellLook.h"

namespace belvane {

StatusCellLook statusCellLook(QStringView status, bool highlight, const TStatusColors& swatches)
{
    const StatusCellLook plain{kPlainStatusCellColor, kPlainStatusTextColor};
    if (!highlight || status == u"Editado")
        return plain;
    StatusCellLook look{std::nullopt, swatches.Texto};
    if (status == u"Aprovado")
        look.cell = swatches.Aprovado;
    else if (status == u"Aguardando")
        look.cell = swatches.Aguardando;
    else if (status == u"Reprovado")
        look.cell = swatches.Reprovado;
    else if (status == u"Concluído")
        look.cell = swatches.Concluido;
    return look;
}

} // namespace belvane
