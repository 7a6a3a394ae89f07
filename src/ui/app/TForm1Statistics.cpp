// The main window's part in the statistics: what the statistics page reads from the history and
// the colour panel, and the chart look that the colours file keeps between runs.
#include "ui/app/TForm1.h"

#include "core/history/HistoryColumns.h"
#include "ui/stats/StatsPage.h"
#include "ui/widgets/Theme.h"

namespace belvane {

void TForm1::wireStatistics()
{
    m_statsPage->setHistoryProvider([this] {
        const HistoryTable& table = m_state.workspace().history().table();
        QList<HistoryStatRow> rows;
        rows.reserve(table.rowCount());
        for (int row = 0; row < table.rowCount(); ++row)
            rows.append({table.value(row, kColEditedDate), table.value(row, kColNegotiated),
                         table.text(row, kColStatus)});
        return rows;
    });
    // The status bars take the colours the history grid shows right now, confirmed or not.
    m_statsPage->setStatusColoursProvider([this] {
        const TStatusColors& c = m_state.shownColors();
        return std::array<QColor, 4>{theme::fromBgr(c.Aprovado), theme::fromBgr(c.Aguardando),
                                     theme::fromBgr(c.Reprovado), theme::fromBgr(c.Concluido)};
    });
}

TStatusColors TForm1::colorsToSave() const
{
    TStatusColors colors = m_state.shownColors();
    const ChartLook& look = m_state.chartLook();
    colors.PaletteIndex = static_cast<std::uint8_t>(look.palette);
    colors.ColorEachPoint = look.colorEachPoint ? 1 : 0;
    colors.BarGradient = look.barGradient ? 1 : 0;
    return colors;
}

} // namespace belvane
