#include "core/settings/StatusColorsFile.h"

#include "core/storage/FileLookup.h"
#include "core/storage/RecordFile.h"

#include <QDir>

namespace belvane {

QString statusColorsPath(const QString& officeDir)
{
    const QString name = QString::fromUtf16(kStatusColorsFileName);
    const QString existing = findFileIgnoringCase(officeDir, name);
    return existing.isEmpty() ? QDir(officeDir).filePath(name) : existing;
}

StatusColorsLoad LoadStatusColors(TStatusColors& colors, const QString& path)
{
    StatusColorsLoad load;
    TStatusColors read = zeroStatusColors();
    const RecordRead outcome = readRecordFile(read, path);
    if (outcome.state == RecordReadState::Read) {
        load.state = StatusColorsLoad::State::Read;
        if (read.PaletteIndex >= kChartPaletteCount)
            read.PaletteIndex = kChartPaletteCount - 1;
        colors = read;
        return load;
    }
    colors = zeroStatusColors();
    DefaultStatusColors(colors);
    if (outcome.state == RecordReadState::Failed) {
        load.state = StatusColorsLoad::State::Defaulted;
        load.message = outcome.error + QStringLiteral(" As cores padrão do histórico e dos "
                                                      "gráficos foram usadas.");
    }
    return load;
}

IoResult SaveStatusColors(const TStatusColors& colors, const QString& path)
{
    return writeRecordFile(colors, path);
}

} // namespace belvane
