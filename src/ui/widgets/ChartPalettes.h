#pragma once
// The twenty colour palettes of the program's bar and ring charts. Palette 0, "Belvane", is the
// default and opens with the program's orange; every palette holds ten colours chosen to stand
// out on the dark panels (#2b2b2e, #333338) at a contrast of at least 3 to 1, ordered so that
// neighbouring bars differ. The first colour of a palette is the one a whole series takes when
// its points do not each take their own.
#include "core/settings/StatusColors.h"

#include <QColor>
#include <QString>

namespace belvane {

class ChartPalettes {
public:
    // As many as the settings file can name.
    static constexpr int kCount = kChartPaletteCount;
    static constexpr int kSize = 10;

    // Any palette number draws: numbers outside 0..19 (a damaged settings file) wrap around, as
    // do colour indexes past the tenth.
    static QColor color(int palette, int index);
    static QString name(int palette);
    static int normalized(int palette);
};

} // namespace belvane
