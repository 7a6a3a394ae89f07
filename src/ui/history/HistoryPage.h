#pragma once
// The history page: every saved budget in one grid, with its status, negotiated value, report
// and observations.
#include "ui/app/Page.h"

namespace belvane {

struct AppState;

class HistoryPage : public Page {
    Q_OBJECT
public:
    HistoryPage(AppState& state, QWidget* parent);
    AppState& state() { return m_state; }

private:
    AppState& m_state;
};

} // namespace belvane
