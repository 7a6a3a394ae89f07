#include "ui/widgets/BarMarks.h"

#include "ui/stats/StatsChartStyle.h"
#include "ui/widgets/BarChartView.h"

#include <QBrush>
#include <QChart>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QPen>

#include <cmath>

namespace belvane {
namespace {

constexpr qreal kPadding = 3.0;
constexpr qreal kGap = 3.0;

} // namespace

BarMarks::BarMarks(BarChartView* view) : QObject(view), m_view(view)
{
    connect(view, &BarChartView::barsMoved, this, &BarMarks::place);
}

void BarMarks::setTexts(const QStringList& texts)
{
    qDeleteAll(m_chips);
    m_chips.clear();
    m_texts = texts;
    for (const QString& text : texts) {
        auto* chip = new QGraphicsRectItem(m_view->chart());
        chip->setBrush(QColor(16, 16, 20, 175));
        chip->setPen(Qt::NoPen);
        chip->setZValue(10);
        auto* label = new QGraphicsSimpleTextItem(text, chip);
        label->setFont(statschart::chartFont(11));
        label->setBrush(QColor(Qt::white));
        const QRectF box = label->boundingRect();
        label->setPos(kPadding, 1.0);
        chip->setRect(0, 0, box.width() + 2 * kPadding, box.height() + 2.0);
        // Turned a quarter to the left, the chip's width runs upwards from its origin.
        chip->setRotation(-90);
        m_chips << chip;
    }
    place();
}

QRectF BarMarks::markRect(int bar) const
{
    const QGraphicsRectItem* chip = m_chips.value(bar);
    return chip && chip->isVisible() ? chip->mapRectToParent(chip->rect()) : QRectF();
}

void BarMarks::place()
{
    const int count = std::min<int>(int(m_chips.size()), m_view->barCount());
    for (int bar = 0; bar < int(m_chips.size()); ++bar)
        m_chips[bar]->setVisible(bar < count);
    for (int bar = 0; bar < count; ++bar) {
        QGraphicsRectItem* chip = m_chips[bar];
        const QPointF base = m_view->barPoint(bar, 0.0);
        const QPointF top = m_view->barPoint(bar, std::max(m_view->values()[bar], 0.0));
        const qreal length = chip->rect().width();
        const qreal thickness = chip->rect().height();
        const qreal barHeight = std::abs(base.y() - top.y());
        // The chip's origin is its lower left corner once turned.
        const qreal bottom = length + 2 * kGap <= barHeight ? (base.y() + top.y() + length) / 2
                                                            : top.y() - kGap;
        chip->setPos(base.x() - thickness / 2, bottom);
    }
}

} // namespace belvane
