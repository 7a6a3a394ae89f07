#pragma once
// The colours the history page paints its "Status" cells with when highlighting is on — one per
// status and one for the text — and three appearance settings of the statistics charts, kept
// together in Colors.bin in the office folder. The file is this record as it lies in memory: 28
// bytes, little-endian. Colours are 0x00BBGGRR values (red in the low byte).
#include <cstddef>
#include <cstdint>

namespace belvane {

using ColorRef = std::uint32_t;  // 0x00BBGGRR

inline constexpr int kChartPaletteCount = 20;  // palettes the charts can choose from: 0..19

struct TStatusColors {
    ColorRef Aprovado;           // cell colour of "Aprovado"
    ColorRef Aguardando;         // cell colour of "Aguardando"
    ColorRef Reprovado;          // cell colour of "Reprovado"
    ColorRef Concluido;          // cell colour of "Concluído"
    ColorRef Texto;              // text colour of every highlighted status cell
    ColorRef Spare;              // shown nowhere; kept as read
    std::uint8_t ColorEachPoint; // chart bars and slices each take their own colour (non-zero)
    std::uint8_t PaletteIndex;   // chart palette, 0..19
    std::uint8_t BarGradient;    // chart bars filled with a gradient (non-zero)
    std::uint8_t Reserved27;
};

static_assert(sizeof(TStatusColors) == 28);
static_assert(offsetof(TStatusColors, Aprovado) == 0);
static_assert(offsetof(TStatusColors, Aguardando) == 4);
static_assert(offsetof(TStatusColors, Reprovado) == 8);
static_assert(offsetof(TStatusColors, Concluido) == 12);
static_assert(offsetof(TStatusColors, Texto) == 16);
static_assert(offsetof(TStatusColors, Spare) == 20);
static_assert(offsetof(TStatusColors, ColorEachPoint) == 24);
static_assert(offsetof(TStatusColors, PaletteIndex) == 25);
static_assert(offsetof(TStatusColors, BarGradient) == 26);
static_assert(offsetof(TStatusColors, Reserved27) == 27);

inline constexpr ColorRef kDefaultAprovado = 0x00008000;    // green
inline constexpr ColorRef kDefaultAguardando = 0x000000FF;  // red
inline constexpr ColorRef kDefaultReprovado = 0x00008080;   // olive
// "Concluído" gets a teal of its own, light enough for the navy text, rather than black.
inline constexpr ColorRef kDefaultConcluido = 0x00C0C000;
inline constexpr ColorRef kDefaultTexto = 0x00800000;       // navy
inline constexpr ColorRef kDefaultSpare = 0x00FFFFFF;       // white

// The record with every byte zero, as before anything is read.
TStatusColors zeroStatusColors();

// Writes the default colours and chart settings; the reserved byte is left as it is.
void DefaultStatusColors(TStatusColors& colors);

// The red, green and blue parts of a colour value (its top byte is ignored).
constexpr int colorRed(ColorRef color) { return int(color & 0xFF); }
constexpr int colorGreen(ColorRef color) { return int((color >> 8) & 0xFF); }
constexpr int colorBlue(ColorRef color) { return int((color >> 16) & 0xFF); }
constexpr ColorRef colorFromRgb(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | (ColorRef(green & 0xFF) << 8) | (ColorRef(blue & 0xFF) << 16);
}

} // namespace belvane
