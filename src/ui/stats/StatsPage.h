#pragma once
// The statistics page: the office's cost structure and the budgets of a chosen year.
#include "ui/app/Page.h"

namespace belvane {

struct AppState;

class StatsPage : public Page {
    Q_OBJECT
public:
    StatsPage(AppState& state, QWidget* parent);
    AppState& state() { return m_state; }

private:
    AppState& m_state;
};

} // namespace belvane
