#include "ui/widgets/ChartTip.h"

#include <QCursor>
#include <QToolTip>
#include <QWidget>

namespace belvane {

ChartTip::ChartTip(QWidget* chartView) : QObject(chartView), m_view(chartView)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(kShowDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &ChartTip::show);
}

void ChartTip::enter(const QString& text)
{
    m_text = text;
    m_delay.start();
}

void ChartTip::leave()
{
    m_delay.stop();
    m_text.clear();
    QToolTip::hideText();
}

void ChartTip::show()
{
    QToolTip::showText(QCursor::pos(), m_text, m_view, QRect(), kShownForMs);
}

} // namespace belvane
