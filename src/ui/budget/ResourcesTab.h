#pragma once
// The "Recursos" sub-page of the project page: the man-hours estimate from the tasks, the
// complexity factor from the indicators, and the technical team, each in its own panel, with the
// instruction notes that the "🛈" glyphs open over the panels.
#include <QWidget>

class QGroupBox;
class QPlainTextEdit;

namespace belvane {

struct AppState;

class ResourcesTab : public QWidget {
    Q_OBJECT
public:
    ResourcesTab(AppState& state, QWidget* parent);

    AppState& state() { return m_state; }

    // Leaving the sub-page closes any open instruction note.
    void TabP_RecursosHide();

public slots:
    void Label74Click();
    void Label75Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* makeNote(const char* name, const QString& text);
    void placeNotes();

    AppState& m_state;
    QGroupBox* m_tasksPanel;
    QGroupBox* m_indicatorsPanel;
    QGroupBox* m_teamPanel;
    QPlainTextEdit* m_taskNote;       // NxMemo6
    QPlainTextEdit* m_indicatorNote;  // NxMemo4
};

} // namespace belvane
