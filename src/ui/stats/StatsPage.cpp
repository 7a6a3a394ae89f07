#include "ui/stats/StatsPage.h"

#include "ui/app/AppState.h"

namespace belvane {

StatsPage::StatsPage(AppState& state, QWidget* parent) : Page(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabEstatistica"));
}

} // namespace belvane
