#pragma once
// How a "Status" cell of the history is painted. With highlighting off every status cell has the
// column's own dark look. With it on, the four statuses the user chooses take their swatch colour
// with the common text colour; "Editado" (a reopened budget) keeps the dark look; any other text
// keeps whatever cell colour it had and takes the text colour. The status words are compared
// exactly: "aprovado" in small letters is not "Aprovado".
#include "core/settings/StatusColors.h"

#include <QStringView>

#include <optional>

namespace belvane {

inline constexpr ColorRef kPlainStatusCellColor = 0x00373737;  // dark grey
inline constexpr ColorRef kPlainStatusTextColor = 0x00FFCD9B;  // light blue

struct StatusCellLook {
    std::optional<ColorRef> cell;  // no value: the cell keeps the colour it has
    ColorRef text = kPlainStatusTextColor;
};

// `swatches` are the colours currently chosen on the colour panel (not necessarily saved yet).
StatusCellLook statusCellLook(QStringView status, bool highlight, const TStatusColors& swatches);

} // namespace belvane
