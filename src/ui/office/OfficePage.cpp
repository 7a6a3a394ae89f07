#include "ui/office/OfficePage.h"

#include "core/office/OfficeFile.h"
#include "core/text/Clock.h"
#include "ui/app/AppState.h"
#include "ui/office/MonthlyHoursSpin.h"
#include "ui/office/OfficeContactPanel.h"
#include "ui/office/OfficeControls.h"
#include "ui/office/OfficeCostsTab.h"
#include "ui/office/OfficeGeneralTab.h"
#include "ui/office/PriceReferencesPanel.h"
#include "ui/widgets/NamedButton.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/SideColumn.h"

#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace belvane {
namespace {

QPushButton* toolbarButton(const char* name, const QString& caption, const QString& hint, QWidget* parent)
{
    QPushButton* button = namedButton(name, caption, parent, hint, QSize(90, 0));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

OfficePage::OfficePage(AppState& state, QWidget* parent) : Page(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabEscritorio"));
    auto* column = new SideColumn(QStringLiteral("Panel7"), QStringLiteral("ESCRITÓRIO"), this);
    m_generalSelector =
        column->addSelector(QLatin1String(controls::office::kGeneralSelector), QStringLiteral("Dados gerais"),
                            QStringLiteral("Dados gerais do escritório"), 0);
    m_costsSelector =
        column->addSelector(QLatin1String(controls::office::kCostsSelector),
                            QStringLiteral("Despesas mensais"), QStringLiteral("Despesas do escritório"), 1);
    column->addStretch();
    connect(m_generalSelector, &QPushButton::clicked, this, &OfficePage::showChosenSubPage);
    connect(m_costsSelector, &QPushButton::clicked, this, &OfficePage::showChosenSubPage);

    m_subPages = new QStackedWidget(this);
    m_subPages->setObjectName(QStringLiteral("PageControl2"));
    m_general = new OfficeGeneralTab(m_subPages);
    m_costs = new OfficeCostsTab(m_state.editOfficeDraft(), m_subPages);
    m_subPages->addWidget(m_general);
    m_subPages->addWidget(m_costs);
    connect(m_general, &OfficeGeneralTab::edited, this, &OfficePage::markModified);
    connect(m_costs, &OfficeCostsTab::edited, this, &OfficePage::markModified);
    connect(m_general->hoursSpin(), &MonthlyHoursSpin::spun, this, &OfficePage::hoursSpun);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(buildToolbar());
    right->addWidget(m_subPages, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(column);
    layout->addLayout(right, 1);
    m_generalSelector->setChecked(true);
    // The main window asks about a modified office as it closes; a value still being typed into
    // a cell must count by then, so it is taken first.
    if (QWidget* mainWindow = window(); mainWindow != this)
        mainWindow->installEventFilter(this);

    // The page shows the office in force, and again whenever it is read anew; its settings follow
    // the state's.
    showReadOffice();
    ShowPriceReferences();
    EnableOfficeEditing(false);
    connect(&m_state, &AppState::officeLoaded, this, &OfficePage::showReadOffice);
    connect(&m_state, &AppState::officeSettingsChanged, this, &OfficePage::ShowPriceReferences);
}

void OfficePage::showReadOffice()
{
    ShowOffice(m_state.currentOffice());
    // Without an office file the page offers its own default rows and man-hours.
    if (!m_state.officeFromFile())
        ResetOfficePage();
}

bool OfficePage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close)
        commitOpenEdits();
    return Page::eventFilter(watched, event);
}

void OfficePage::commitOpenEdits()
{
    m_general->commitOpenEdits();
    m_costs->commitOpenEdits();
}

QWidget* OfficePage::buildToolbar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Panel9"));
    bar->setStyleSheet(QStringLiteral("#Panel9 { background: #232326; border-bottom: 1px solid #4a4a50; }"));
    m_resetButton = toolbarButton(controls::office::kReset, QStringLiteral("Limpar"),
                                  QStringLiteral("Carregar default"), bar);
    m_saveButton = toolbarButton(controls::office::kSave, QStringLiteral("Salvar"),
                                 QStringLiteral("Salvar Escritório"), bar);
    m_openButton = toolbarButton(controls::office::kOpen, QStringLiteral("Abrir"),
                                 QStringLiteral("Abrir escritório"), bar);
    m_openButton->setVisible(false);
    connect(m_resetButton, &QPushButton::clicked, this, &OfficePage::resetOffice);
    connect(m_saveButton, &QPushButton::clicked, this, &OfficePage::saveOffice);
    connect(m_openButton, &QPushButton::clicked, this, &OfficePage::reloadOfficeFile);
    connect(&m_state, &AppState::writeAccessChanged, m_saveButton, [this] {
        if (!m_state.writes())
            m_saveButton->setEnabled(false);
    });
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->addStretch(1);
    layout->addWidget(m_resetButton);
    layout->addWidget(m_saveButton);
    layout->addWidget(m_openButton);
    return bar;
}

void OfficePage::hoursSpun()
{
    // The hours are the draft's: the spin shows the ones it kept.
    MonthlyHoursSpin* hours = m_general->hoursSpin();
    m_costs->followMonthlyHours(hours->value());
    hours->setValue(m_state.officeDraft().monthlyHours());
}

void OfficePage::markModified()
{
    m_state.editOfficeDraft().setModified(true);
}

QList<PageKey> OfficePage::pageKeys() const
{
    return {PageKey::pressing(QKeySequence(Qt::ALT | Qt::Key_1), m_generalSelector),
            PageKey::pressing(QKeySequence(Qt::ALT | Qt::Key_2), m_costsSelector),
            PageKey::pressing(QKeySequence(Qt::CTRL | Qt::Key_S), m_saveButton)};
}

void OfficePage::showChosenSubPage()
{
    if (const auto* button = qobject_cast<QPushButton*>(sender()))
        m_subPages->setCurrentIndex(button->property("tag").toInt());
}

void OfficePage::showSubPage(int index)
{
    m_subPages->setCurrentIndex(index);
    (index == 0 ? m_generalSelector : m_costsSelector)->setChecked(true);
}

void OfficePage::ShowOffice(const TOfficeData& office)
{
    m_general->showOffice(office);
    m_costs->showOffice(office);
    m_state.editOfficeDraft().setModified(false);
    showSubPage(0);
}

void OfficePage::CollectOfficePage()
{
    commitOpenEdits();
    TOfficeData office;
    DefaultOffice(office);
    m_general->collectInto(office);
    m_costs->collectInto(office);
    ComputeOfficeTotals(office);
    m_state.setCurrentOffice(office);
}

void OfficePage::ResetOfficePage()
{
    m_costs->resetRows();
    m_general->showDefaultManHours();
}

void OfficePage::EnableOfficeEditing(bool locked)
{
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_general->officePanel(), m_general->manHoursPanel(), m_general->priceReferences(),
             m_general->contact(), m_costs->panel(), m_saveButton, m_openButton, m_resetButton})
        control->setEnabled(!locked);
    m_saveButton->setEnabled(!locked && m_state.writes());
}

bool OfficePage::saveOfficeFile()
{
    CollectOfficePage();
    const PriceReferences references = m_general->priceReferences()->references();
    const OfficeContact contact = m_general->contact()->contact();
    const bool settingsChanged = references != m_state.priceReferences() || contact != m_state.officeContact();
    const OfficeSaveReport saved = m_state.workspace().saveOffice(m_state.currentOffice(), references, contact, settingsChanged);
    // The file is the user's now, whatever became of the settings beside it.
    if (saved.fileWritten)
        m_state.setUnreadableOfficeFile({});
    if (!saved.saved()) {
        Prompts::error(this, saved.error);
        return false;
    }
    m_state.setOfficeSettings(references, contact);
    m_state.editOfficeDraft().setModified(false);
    return true;
}

void OfficePage::ShowPriceReferences()
{
    m_general->priceReferences()->showReferences(m_state.priceReferences());
    m_general->contact()->showContact(m_state.officeContact());
}

void OfficePage::saveOffice()
{
    // The lists are saved, and shown from then on, with the largest value first.
    commitOpenEdits();
    m_costs->sortExpensesByValue();
    if (!saveOfficeFile())
        return;
    Prompts::inform(this, QStringLiteral("Escritório foi salvo com sucesso"));
    m_general->updatedOn()->setText(Clock::today().toString(QStringLiteral("dd/MM/yyyy")));
}

void OfficePage::resetOffice()
{
    const auto answer = Prompts::ask(this, QStringLiteral("A configuração atual do escritório será apagada. Continuar?"),
                                     QMessageBox::Yes | QMessageBox::No, Prompts::Box::Information);
    if (answer != QMessageBox::Yes)
        return;
    // The record takes its own defaults while the page shows the page's default rows; the two
    // meet when the page is next collected. Nothing is written.
    TOfficeData office;
    DefaultOffice(office);
    m_state.setCurrentOffice(office);
    ShowOffice(office);
    ResetOfficePage();
}

void OfficePage::reloadOfficeFile()
{
    const QString path = officeFilePath(m_state.folders().officeDir);
    if (!QFile::exists(path))
        return;
    const auto answer = Prompts::ask(this, QStringLiteral("Os parâmemtros do escritório atual serão sobreescritos. Continuar?"),
                                     QMessageBox::Yes | QMessageBox::No, Prompts::Box::Information);
    if (answer != QMessageBox::Yes)
        return;
    TOfficeData office = m_state.currentOffice();
    const RecordRead read = ReadOfficeFile(office, path);
    if (!read.ok()) {
        Prompts::error(this, read.error);
        return;
    }
    m_state.setCurrentOffice(office);
    ShowOffice(office);
}

void OfficePage::startOnGeneralSubPage()
{
    showSubPage(0);
}

void OfficePage::collectOnLeaving()
{
    CollectOfficePage();
}

} // namespace belvane
