#pragma once
// The marks written on the bars of a chart: one text per bar, turned by 90 degrees so that it
// reads upwards, on a small dark chip that stays legible on any bar colour. A mark is centred on
// its bar when the bar is tall enough to hold it, and otherwise stands on top of the bar.
#include <QList>
#include <QObject>
#include <QStringList>

class QGraphicsRectItem;

namespace belvane {

class BarChartView;

class BarMarks : public QObject {
    Q_OBJECT
public:
    explicit BarMarks(BarChartView* view);

    // One text per bar, in bar order; fewer texts leave the remaining bars unmarked.
    void setTexts(const QStringList& texts);
    QStringList texts() const { return m_texts; }
    // Where a mark stands, in the chart's coordinates; empty for a bar without a shown mark.
    QRectF markRect(int bar) const;

private:
    void place();

    BarChartView* m_view;
    QStringList m_texts;
    QList<QGraphicsRectItem*> m_chips;
};

} // namespace belvane
