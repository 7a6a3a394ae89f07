#include "core/settings/StatusColors.h"

#include <cstring>

namespace belvane {

TStatusColors zeroStatusColors()
{
    TStatusColors colors;
    std::memset(&colors, 0, sizeof colors);
    return colors;
}

void DefaultStatusColors(TStatusColors& colors)
{
    colors.Aprovado = kDefaultAprovado;
    colors.Aguardando = kDefaultAguardando;
    colors.Reprovado = kDefaultReprovado;
    colors.Concluido = kDefaultConcluido;
    colors.Texto = kDefaultTexto;
    colors.Spare = kDefaultSpare;
    colors.ColorEachPoint = 0;
    colors.PaletteIndex = 0;
    colors.BarGradient = 0;
}

} // namespace belvane
