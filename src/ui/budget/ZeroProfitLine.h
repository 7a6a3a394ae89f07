#pragma once
// The colour-line tool of the composition chart: a red horizontal line across the plot area at
// the quoted value the budget would have with no profit, drawn behind the bars, with a red-framed
// caption beside it drawn in front of everything. The chart places both on the bars' value scale.
#include <QGraphicsObject>
#include <QPen>
#include <optional>

class QGraphicsRectItem;
class QGraphicsSimpleTextItem;

namespace belvane {

class ZeroProfitLine : public QGraphicsObject {
    Q_OBJECT
public:
    explicit ZeroProfitLine(QGraphicsItem* parent);

    // The value the line marks, with the caption to show; nothing hides line and caption.
    void setValue(std::optional<float> value, const QString& caption);
    std::optional<float> value() const { return m_value; }
    QString caption() const;
    QPen pen() const { return m_pen; }
    // Lays the line over the plot area at the height y.
    void place(const QRectF& plotArea, qreal y);
    QSizeF captionSize() const;
    void moveCaption(const QPointF& topLeft);
    QRectF captionBox() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    std::optional<float> m_value;
    QPen m_pen;
    QLineF m_line;
    QGraphicsRectItem* m_box;
    QGraphicsSimpleTextItem* m_text;
};

} // namespace belvane
