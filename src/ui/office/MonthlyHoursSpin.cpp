#include "ui/office/MonthlyHoursSpin.h"

#include "core/office/OfficeDraft.h"
#include "ui/widgets/Theme.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionSpinBox>

namespace belvane {

MonthlyHoursSpin::MonthlyHoursSpin(const QString& objectName, QWidget* parent) : QSpinBox(parent)
{
    setObjectName(objectName);
    setRange(OfficeDraft::kMinMonthlyHours, OfficeDraft::kMaxMonthlyHours);
    setSingleStep(1);
    setValue(160);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A read-only line edit takes neither typed nor pasted text; the buttons still step.
    lineEdit()->setReadOnly(true);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The buttons are the only way to change the hours, so they are drawn large and plain.
    setStyleSheet(theme::accented(QStringLiteral(
        "QSpinBox { padding-right: 22px; }"
        "QSpinBox::up-button, QSpinBox::down-button { subcontrol-origin: border; width: 20px;"
        "  background: #4a4a50; border-left: 1px solid #606068; }"
        "QSpinBox::up-button { subcontrol-position: top right; border-top-right-radius: 3px; }"
        "QSpinBox::down-button { subcontrol-position: bottom right; border-bottom-right-radius: 3px; }"
        "QSpinBox::up-button:hover, QSpinBox::down-button:hover { background: @accent; }"
        "QSpinBox::up-arrow, QSpinBox::down-arrow { image: none; width: 0; height: 0; }")));
}

void MonthlyHoursSpin::stepBy(int steps)
{
    QSpinBox::stepBy(steps);
    emit spun();
}

void MonthlyHoursSpin::paintEvent(QPaintEvent* event)
{
    QSpinBox::paintEvent(event);
    // The arrows are drawn here so they read clearly on the dark buttons; a button that cannot
    // step any further is greyed.
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const StepEnabled enabled = stepEnabled();
    for (const bool up : {true, false}) {
        const QRect button = style()->subControlRect(QStyle::CC_SpinBox, &option,
                                                     up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, this);
        const QPointF c = QRectF(button).center();
        const qreal dy = up ? -2.5 : 2.5;
        QPainterPath arrow;
        arrow.moveTo(c.x() - 4.5, c.y() - dy);
        arrow.lineTo(c.x() + 4.5, c.y() - dy);
        arrow.lineTo(c.x(), c.y() + dy);
        arrow.closeSubpath();
        const bool active = isEnabled() && (enabled & (up ? StepUpEnabled : StepDownEnabled));
        painter.setBrush(active ? QColor(Qt::white) : QColor(0x77, 0x77, 0x7c));
        painter.drawPath(arrow);
    }
}

} // namespace belvane
