#include "ui/app/AppState.h"

#include <cstring>

namespace belvane {

AppState::AppState(QObject* parent) : QObject(parent), m_workspace(std::make_unique<Workspace>(DataFolders{})) {}

AppState::~AppState() = default;

void AppState::setFolders(const DataFolders& folders)
{
    m_workspace = std::make_unique<Workspace>(folders);
    m_workspace->setWrites(writes());
}

void AppState::setCurrentOffice(const TOfficeData& office)
{
    m_currentOffice = office;
    emit officeChanged();
}

void AppState::officeRead(const TOfficeData& office, bool fromFile)
{
    m_officeFromFile = fromFile;
    m_officeDraft.setModified(false);
    m_currentOffice = office;
    emit officeLoaded();
    emit officeChanged();
}

QString AppState::startNewBudget()
{
    QString counterError;
    m_budgetCounter = m_workspace->startNewBudget(m_budget, &counterError).number;
    emit budgetChanged();
    return counterError;
}

void AppState::setOfficeSettings(const PriceReferences& references, const OfficeContact& contact)
{
    m_priceReferences = references;
    m_officeContact = contact;
    emit officeSettingsChanged();
}

void AppState::setHighlightStatus(bool on)
{
    if (on == m_highlightStatus)
        return;
    m_highlightStatus = on;
    emit highlightStatusChanged();
}

void AppState::setShownColors(const TStatusColors& colors)
{
    if (std::memcmp(&colors, &m_shownColors, sizeof colors) == 0)
        return;
    m_shownColors = colors;
    emit shownColorsChanged();
}

void AppState::setChartLook(const ChartLook& look)
{
    m_chartLook = look;
    // Emitted even when unchanged: a chart made since follows the look it is told.
    emit chartLookChanged();
}

void AppState::becomeReadOnly(const QString& notice)
{
    m_readOnlyNotice = notice;
    m_workspace->setWrites(false);
    emit writeAccessChanged();
}

void AppState::markDataLoaded()
{
    m_dataLoaded = true;
    emit dataLoadedChanged();
}

PriceCheck AppState::priceCheckOf(const TBudgetData& b)
{
    return m_workspace->priceCheckOf(b, m_priceReferences);
}

} // namespace belvane
