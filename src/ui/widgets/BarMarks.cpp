#include "ui/widgets/BarMarks.h"

#include "ui/widgets/BarChartView.h"
#include "ui/widgets/Theme.h"

#include <QBrush>
#include <QChart>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QPen>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>

namespace belvane {
namespace {

constexpr qreal kPadding = 3.0;
constexpr qreal kGap = 3.0;
// Between an upright mark and the end of its bar, and between two upright marks.
constexpr qreal kUprightGap = 2.0;
constexpr qreal kUprightStep = 1.0;

} // namespace

BarMarks::BarMarks(BarChartView* view, Look look) : QObject(view), m_view(view), m_look(look)
{
    connect(view, &BarChartView::barsMoved, this, &BarMarks::place);
}

void BarMarks::setTexts(const QStringList& texts)
{
    qDeleteAll(m_marks);
    m_marks.clear();
    m_texts = texts;
    for (const QString& text : texts)
        m_marks << (m_look == Look::TurnedChips ? makeChip(text) : makeUprightText(text));
    place();
}

QGraphicsItem* BarMarks::makeChip(const QString& text) const
{
    auto* chip = new QGraphicsRectItem(m_view->chart());
    chip->setBrush(QColor(16, 16, 20, 175));
    chip->setPen(Qt::NoPen);
    chip->setZValue(10);
    auto* label = new QGraphicsSimpleTextItem(text, chip);
    label->setFont(theme::displayFont(11));
    label->setBrush(QColor(Qt::white));
    const QRectF box = label->boundingRect();
    label->setPos(kPadding, 1.0);
    chip->setRect(0, 0, box.width() + 2 * kPadding, box.height() + 2.0);
    // Turned a quarter to the left, the chip's width runs upwards from its origin.
    chip->setRotation(-90);
    return chip;
}

QGraphicsItem* BarMarks::makeUprightText(const QString& text) const
{
    auto* mark = new QGraphicsTextItem(m_view->chart());
    QFont font = mark->font();
    font.setPixelSize(10);
    mark->setFont(font);
    mark->setDefaultTextColor(Qt::white);
    mark->document()->setDocumentMargin(1);
    mark->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    mark->setPlainText(text);
    mark->setTextWidth(mark->document()->idealWidth());
    mark->setZValue(10);
    return mark;
}

QRectF BarMarks::markRect(int bar) const
{
    const QGraphicsItem* mark = m_marks.value(bar);
    return mark && mark->isVisible() ? mark->mapRectToParent(mark->boundingRect()) : QRectF();
}

void BarMarks::place()
{
    const int count = std::min<int>(int(m_marks.size()), m_view->barCount());
    for (int bar = 0; bar < int(m_marks.size()); ++bar)
        m_marks[bar]->setVisible(bar < count);
    QList<QRectF> placed;
    for (int bar = 0; bar < count; ++bar) {
        m_marks[bar]->setPos(m_look == Look::TurnedChips ? chipPlace(bar) : uprightPlace(bar, placed));
        placed << markRect(bar);
    }
}

QPointF BarMarks::chipPlace(int bar) const
{
    const QRectF chip = m_marks[bar]->boundingRect();
    const QPointF base = m_view->barPoint(bar, 0.0);
    const QPointF top = m_view->barPoint(bar, std::max(m_view->values()[bar], 0.0));
    const qreal barHeight = std::abs(base.y() - top.y());
    // The chip's origin is its lower left corner once turned.
    const qreal bottom = chip.width() + 2 * kGap <= barHeight ? (base.y() + top.y() + chip.width()) / 2
                                                               : top.y() - kGap;
    return QPointF(base.x() - chip.height() / 2, bottom);
}

QPointF BarMarks::uprightPlace(int bar, const QList<QRectF>& placed) const
{
    const bool below = m_view->values()[bar] < 0.0;
    const QPointF end = m_view->barPoint(bar, m_view->values()[bar]);
    const QSizeF size = m_marks[bar]->boundingRect().size();
    QRectF box(QPointF(end.x() - size.width() / 2,
                       below ? end.y() + kUprightGap : end.y() - size.height() - kUprightGap),
               size);
    for (bool moved = true; moved;) {
        moved = false;
        for (const QRectF& other : placed) {
            if (box.intersects(other)) {
                box.moveTop(below ? other.bottom() + kUprightStep
                                  : other.top() - size.height() - kUprightStep);
                moved = true;
            }
        }
    }
    return box.topLeft();
}

} // namespace belvane
