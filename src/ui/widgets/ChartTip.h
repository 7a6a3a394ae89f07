#pragma once
// The hover tip of a chart: it appears 50 ms after the mouse comes to rest on a bar or slice,
// beside the mouse, and disappears after two seconds or when the mouse leaves.
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace belvane {

class ChartTip : public QObject {
    Q_OBJECT
public:
    static constexpr int kShowDelayMs = 50;
    static constexpr int kShownForMs = 2000;

    explicit ChartTip(QWidget* chartView);

    void enter(const QString& text);
    void leave();
    // The text of the tip last asked for; empty after leaving.
    QString text() const { return m_text; }

private:
    void show();

    QWidget* m_view;
    QTimer m_delay;
    QString m_text;
};

} // namespace belvane
