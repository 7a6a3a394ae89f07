#pragma once
// The marks written on the bars of a chart, one text per bar, in one of two looks. A turned mark
// reads upwards on a small dark chip that stays legible on any bar colour; it is centred on its
// bar when the bar is tall enough to hold it, and otherwise stands on top of the bar. An upright
// mark is plain white text, its lines centred, standing over the end of its bar (under it, for a
// bar that hangs below zero); where it would cover its neighbour's mark it steps further away
// from its bar.
#include <QList>
#include <QObject>
#include <QStringList>

class QGraphicsItem;

namespace belvane {

class BarChartView;

class BarMarks : public QObject {
    Q_OBJECT
public:
    enum class Look { TurnedChips, UprightText };

    explicit BarMarks(BarChartView* view, Look look = Look::TurnedChips);

    // One text per bar, in bar order; fewer texts leave the remaining bars unmarked.
    void setTexts(const QStringList& texts);
    QStringList texts() const { return m_texts; }
    // Where a mark stands, in the chart's coordinates; empty for a bar without a shown mark.
    QRectF markRect(int bar) const;

private:
    QGraphicsItem* makeChip(const QString& text) const;
    QGraphicsItem* makeUprightText(const QString& text) const;
    void place();
    QPointF chipPlace(int bar) const;
    QPointF uprightPlace(int bar, const QList<QRectF>& placed) const;

    BarChartView* m_view;
    Look m_look;
    QStringList m_texts;
    QList<QGraphicsItem*> m_marks;
};

} // namespace belvane
