#include "ui/history/HistoryPage.h"

#include "ui/app/AppState.h"

namespace belvane {

HistoryPage::HistoryPage(AppState& state, QWidget* parent) : Page(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabHistorico"));
}

} // namespace belvane
