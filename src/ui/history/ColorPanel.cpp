#include "ui/history/ColorPanel.h"

#include "core/budget/StatusWords.h"
#include "ui/history/HistoryControls.h"
#include "ui/widgets/ColorButton.h"
#include "ui/widgets/Theme.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

ColorPanel::ColorPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("NxHeaderPanel15"));
    setStyleSheet(theme::accentFramedPanel(objectName(), "#333338", 1));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Cores"), this);
    title->setFont(theme::displayFont(15, QFont::Bold));
    layout->addWidget(title);
    // On the panel "Concluído" stands third and "Reprovado" fourth.
    m_aprovado = new ColorButton(QStringLiteral("AprovadoCor"), kStatusApproved.toString(), this);
    m_aguardando = new ColorButton(QStringLiteral("AguardandoCor"), kStatusWaiting.toString(), this);
    m_concluido = new ColorButton(QStringLiteral("ConcluidoCor"), kStatusDone.toString(), this);
    m_reprovado = new ColorButton(QStringLiteral("ReprovadoCor"), kStatusRejected.toString(), this);
    m_texto = new ColorButton(QStringLiteral("TextoCor"), QStringLiteral("Texto"), this);
    for (ColorButton* button : {m_aprovado, m_aguardando, m_concluido, m_reprovado, m_texto}) {
        layout->addWidget(button);
        connect(button, &ColorButton::colorChosen, this, &ColorPanel::swatchChosen);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QLatin1String(controls::history::kColorsOk));
    connect(ok, &QPushButton::clicked, this, &ColorPanel::okClicked);
    layout->addWidget(ok);
    setFixedWidth(180);
    adjustSize();
}

TStatusColors ColorPanel::swatches(const TStatusColors& base) const
{
    TStatusColors colors = base;
    colors.Aprovado = theme::toBgr(m_aprovado->color());
    colors.Aguardando = theme::toBgr(m_aguardando->color());
    colors.Reprovado = theme::toBgr(m_reprovado->color());
    colors.Concluido = theme::toBgr(m_concluido->color());
    colors.Texto = theme::toBgr(m_texto->color());
    return colors;
}

void ColorPanel::setSwatches(const TStatusColors& colors)
{
    m_aprovado->setColor(theme::fromBgr(colors.Aprovado));
    m_aguardando->setColor(theme::fromBgr(colors.Aguardando));
    m_reprovado->setColor(theme::fromBgr(colors.Reprovado));
    m_concluido->setColor(theme::fromBgr(colors.Concluido));
    m_texto->setColor(theme::fromBgr(colors.Texto));
}

} // namespace belvane
