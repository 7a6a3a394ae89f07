// The colours file "Colors.bin": any bytes. A damaged file must never stop the program: it gives
// the default colours and a message. A whole record is used as it is, except a chart palette
// beyond the last, which is taken as the last; written back, it gives the file's bytes with only
// that correction.
#include "FuzzSupport.h"

#include "core/history/HistoryColumns.h"
#include "core/settings/StatusCellLook.h"
#include "core/settings/StatusColorsFile.h"

#include <cstring>

using namespace belvane;
using namespace belvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    TStatusColors colors = zeroStatusColors();
    const StatusColorsLoad load =
        LoadStatusColors(colors, scratchFile(QString::fromUtf16(kStatusColorsFileName), bytes));
    check(colors.PaletteIndex < kChartPaletteCount, "the palette in use must exist");

    QByteArray expected = bytes.first(std::min<qsizetype>(bytes.size(), sizeof(TStatusColors)));
    if (bytes.size() < qsizetype(sizeof(TStatusColors))) {
        check(load.state == StatusColorsLoad::State::Defaulted && !load.message.isEmpty(),
              "a short colours file must give the defaults and say so");
        TStatusColors defaults = zeroStatusColors();
        DefaultStatusColors(defaults);
        check(std::memcmp(&colors, &defaults, sizeof colors) == 0, "a short file gives the defaults");
        expected = QByteArray(reinterpret_cast<const char*>(&defaults), sizeof defaults);
    } else {
        check(load.state == StatusColorsLoad::State::Read, "a whole colours record must be used");
        auto palette = static_cast<std::uint8_t>(expected[offsetof(TStatusColors, PaletteIndex)]);
        expected[offsetof(TStatusColors, PaletteIndex)] =
            char(std::min<int>(palette, kChartPaletteCount - 1));
    }

    const QString copy = scratchDir() + QStringLiteral("written-Colors.bin");
    check(SaveStatusColors(colors, copy).ok(), "the colours must be written back");
    check(fileBytes(copy) == expected, "the colours written back must be the record read");

    QStringList statuses = historyStatusChoices();
    statuses << QStringLiteral("Editado") << QString();
    for (const QString& status : statuses)
        (void)statusCellLook(status, true, colors);
    return 0;
}
