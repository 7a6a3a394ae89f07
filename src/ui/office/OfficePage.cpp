#include "ui/office/OfficePage.h"

#include "core/office/OfficeFile.h"
#include "ui/app/AppState.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/SideColumn.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace belvane {

OfficePage::OfficePage(AppState& state, QWidget* parent) : Page(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabEscritorio"));
    auto* column = new SideColumn(QStringLiteral("Panel7"), QStringLiteral("ESCRITÓRIO"), this);
    m_generalSelector = column->addSelector(QStringLiteral("AbColBitBtn11"), QStringLiteral("Dados gerais"),
                                            QStringLiteral("Dados gerais do escritório"), 0);
    m_costsSelector = column->addSelector(QStringLiteral("AbColBitBtn12"), QStringLiteral("Despesas mensais"),
                                          QStringLiteral("Despesas do escritório"), 1);
    column->addStretch();
    connect(m_generalSelector, &QPushButton::clicked, this, &OfficePage::AbColBitBtn11Click);
    connect(m_costsSelector, &QPushButton::clicked, this, &OfficePage::AbColBitBtn11Click);

    m_subPages = new QStackedWidget(this);
    m_subPages->setObjectName(QStringLiteral("PageControl2"));
    auto* general = new QWidget(m_subPages);
    general->setObjectName(QStringLiteral("TabE_Dados"));
    auto* costs = new QWidget(m_subPages);
    costs->setObjectName(QStringLiteral("TabE_despesas"));
    m_subPages->addWidget(general);
    m_subPages->addWidget(costs);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(column);
    layout->addWidget(m_subPages, 1);
    m_generalSelector->setChecked(true);
}

void OfficePage::AbColBitBtn11Click()
{
    if (const auto* button = qobject_cast<QPushButton*>(sender()))
        m_subPages->setCurrentIndex(button->property("tag").toInt());
}

void OfficePage::showSubPage(int index)
{
    m_subPages->setCurrentIndex(index);
    (index == 0 ? m_generalSelector : m_costsSelector)->setChecked(true);
}

void OfficePage::ShowOffice(const TOfficeData&)
{
    m_state.OfficeModified = false;
    showSubPage(0);
}

void OfficePage::CollectOfficePage() {}

void OfficePage::ResetOfficePage() {}

void OfficePage::EnableOfficeEditing(bool) {}

bool OfficePage::saveOfficeFile()
{
    CollectOfficePage();
    const QString path = officeFilePath(m_state.folders.officeDir);
    const IoResult written = WriteOfficeFile(m_state.CurrentOffice, path);
    if (!written.ok()) {
        Prompts::error(this, written.error);
        return false;
    }
    m_state.unreadableOfficeFile.clear();
    m_state.OfficeModified = false;
    return true;
}

void OfficePage::TabEscritorioShow()
{
    showSubPage(0);
}

void OfficePage::TabEscritorioHide()
{
    CollectOfficePage();
    emit officeCollected();
}

} // namespace belvane
