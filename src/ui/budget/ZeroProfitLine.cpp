#include "ui/budget/ZeroProfitLine.h"

#include <QBrush>
#include <QFont>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPainter>

namespace belvane {

ZeroProfitLine::ZeroProfitLine(QGraphicsItem* parent)
    : QGraphicsObject(parent), m_pen(Qt::red, 2), m_box(new QGraphicsRectItem(parent)),
      m_text(new QGraphicsSimpleTextItem(QStringLiteral("Lucro=0"), m_box))
{
    setObjectName(QStringLiteral("ChartTool4"));
    m_box->setPen(QPen(Qt::red, 1));
    m_box->setBrush(QColor(255, 255, 255, 235));
    m_text->setBrush(Qt::red);
    QFont font = m_text->font();
    font.setPixelSize(11);
    m_text->setFont(font);
    m_text->setPos(4, 2);
    // The caption is the chart's, not the line's: it must stand in front of bars and marks.
    m_box->setZValue(20);
    m_box->hide();
    hide();
}

void ZeroProfitLine::setValue(std::optional<float> value, const QString& caption)
{
    m_value = value;
    if (value)
        m_text->setText(caption);
    setVisible(value.has_value());
    m_box->setVisible(value.has_value());
    const QRectF text = m_text->boundingRect();
    m_box->setRect(0, 0, text.width() + 8, text.height() + 4);
}

QString ZeroProfitLine::caption() const
{
    return m_text->text();
}

void ZeroProfitLine::place(const QRectF& plotArea, qreal y)
{
    prepareGeometryChange();
    m_line = QLineF(plotArea.left(), y, plotArea.right(), y);
}

QSizeF ZeroProfitLine::captionSize() const
{
    return m_box->rect().size();
}

void ZeroProfitLine::moveCaption(const QPointF& topLeft)
{
    m_box->setPos(topLeft);
}

QRectF ZeroProfitLine::captionBox() const
{
    return QRectF(m_box->pos(), m_box->rect().size());
}

QRectF ZeroProfitLine::boundingRect() const
{
    const qreal half = m_pen.widthF() / 2 + 1;
    return QRectF(m_line.p1(), m_line.p2()).normalized().adjusted(-half, -half, half, half);
}

void ZeroProfitLine::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setPen(m_pen);
    painter->drawLine(m_line);
}

} // namespace belvane
