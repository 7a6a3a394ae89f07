#pragma once
// "Distribuição dos orçamentos negociados (aprovados/concluídos)" (ch4): month by month, the
// negotiated value of the budgets of the reference year that were won, each bar marked upright
// with its month and value, against two horizontal lines at the office's monthly cost — red with
// the technical staff (ChartTool5), blue without it (ChartTool7) — each captioned with its value.
#include "ui/widgets/BarChartView.h"

#include <utility>

class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;

namespace belvane {

class BarMarks;

class MonthlyWonChart : public BarChartView {
    Q_OBJECT
public:
    explicit MonthlyWonChart(QWidget* parent);

    void showMonths(const QStringList& labels, const QList<double>& sums, const QStringList& marks);
    // Moves the two lines to the office's costs; the texts are their captions.
    void setCostLines(double withTech, const QString& withTechText, double withoutTech,
                      const QString& withoutTechText);

    QLineSeries* withTechLine() const { return m_withTech; }       // ChartTool5
    QLineSeries* withoutTechLine() const { return m_withoutTech; } // ChartTool7
    QString withTechCaption() const;
    QString withoutTechCaption() const;
    BarMarks* marks() const { return m_marks; }

private:
    QLineSeries* addLine(const char* name, const QColor& colour);
    QGraphicsSimpleTextItem* addCaption(const QColor& colour);
    void moveLine(QLineSeries* line, double value);
    static QGraphicsRectItem* chip(QGraphicsSimpleTextItem* caption);
    void placeCaptions();
    // Areas a caption should not hide, each weighted by how much hiding it costs.
    using Occupied = QList<std::pair<QRectF, qreal>>;
    Occupied occupiedAreas() const;
    QPointF freestPlace(const QSizeF& size, qreal lineY, const Occupied& taken) const;
    void refit();

    BarMarks* m_marks;
    QLineSeries* m_withTech;
    QLineSeries* m_withoutTech;
    QGraphicsSimpleTextItem* m_withTechCaption;
    QGraphicsSimpleTextItem* m_withoutTechCaption;
    double m_withTechValue = 0.0;
    double m_withoutTechValue = 0.0;
};

} // namespace belvane
