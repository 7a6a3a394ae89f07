#include "ui/app/TForm1.h"

#include "core/budget/BudgetFile.h"
#include "core/office/OfficeFile.h"
#include "core/settings/StatusColorsFile.h"
#include "core/store/MissingBudgetFiles.h"
#include "core/text/Clock.h"
#include "ui/app/HeaderBar.h"
#include "ui/app/KeyboardShortcuts.h"
#include "ui/app/MenuPage.h"
#include "ui/app/TForm2.h"
#include "ui/budget/ProjectPage.h"
#include "ui/history/HistoryPage.h"
#include "ui/office/OfficePage.h"
#include "ui/stats/StatsPage.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace belvane {
namespace {

// The window's frame is not known before it is shown; its size is, and that is what centres it.
void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace

TForm1::TForm1(const QString& appDir, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("B+V"));
    m_state.setFolders(DataFolders::beside(appDir));
    buildWindow();
    planStartup();
    FormCreate();
}

TForm1::~TForm1()
{
    delete m_splash;
    delete m_aboutBox;
    // The pages show the shared state (the history grid reads the history table while it is
    // taken down), so they go before the state they look at.
    delete m_pages;
    m_pages = nullptr;
    releaseDataFolder();
}

void TForm1::buildWindow()
{
    theme::installFonts();
    setFont(theme::displayFont(13));
    setStyleSheet(theme::styleSheet());
    // The window takes its size before the pages are built: sized afterwards, every page would
    // be laid out a second time.
    const QScreen* screen = QGuiApplication::primaryScreen();
    applyScreenHeightRule(screen ? screen->geometry().height() : 1080);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setStyleSheet(QStringLiteral("#Panel1 { background: black; }"));
    outer->addWidget(panel1);
    auto* layout = new QVBoxLayout(panel1);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);

    m_header = new HeaderBar(panel1);
    connect(m_header, &HeaderBar::logoClicked, this, &TForm1::showAbout);
    connect(m_header, &HeaderBar::menuClicked, this, &TForm1::showMenu);
    layout->addWidget(m_header);

    m_readOnlyBanner = new QLabel(panel1);
    m_readOnlyBanner->setObjectName(QStringLiteral("ReadOnlyBanner"));
    m_readOnlyBanner->setWordWrap(true);
    m_readOnlyBanner->setStyleSheet(QStringLiteral(
        "#ReadOnlyBanner { background: #f2c14e; color: black; padding: 6px 10px; font-weight: bold; }"));
    m_readOnlyBanner->hide();
    layout->addWidget(m_readOnlyBanner);

    auto* pagePanel = new QFrame(panel1);
    pagePanel->setObjectName(QStringLiteral("NxPanel1"));
    auto* pageLayout = new QVBoxLayout(pagePanel);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QStackedWidget(pagePanel);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    pageLayout->addWidget(m_pages);
    layout->addWidget(pagePanel, 1);

    // The menu page is what the window opens on; the others are built when first needed, each
    // in the place kept for it.
    m_menuPage = new MenuPage(m_state, m_pages);
    m_pages->addWidget(m_menuPage);
    m_pageSlots[kMenuPage] = m_menuPage;
    for (int index = kOfficePage; index <= kStatsPage; ++index) {
        m_pageSlots[index] = new QWidget(m_pages);
        auto* slotLayout = new QVBoxLayout(m_pageSlots[index]);
        slotLayout->setContentsMargins(0, 0, 0, 0);
        m_pages->addWidget(m_pageSlots[index]);
    }
    connect(m_pages, &QStackedWidget::currentChanged, this, &TForm1::onPageChanged);
    connect(m_menuPage, &MenuPage::pageRequested, this, &TForm1::openPage);
    connect(m_menuPage, &MenuPage::exitRequested, this, &TForm1::exitProgram);
    connect(m_menuPage, &MenuPage::siteRequested, this, &TForm1::openWebSite);
    connect(m_menuPage, &MenuPage::dataRestored, this, &TForm1::reloadData);
    connect(&m_storeCheck, &StoreHealthCheck::finished, this, &TForm1::checkStoreHealth);
}

void TForm1::planStartup()
{
    // The history, the longest read, is read on a thread of its own while the splash box fades;
    // the rest of the data are taken in once it is through.
    m_startup.add([this] {
        m_state.workspace().history().startLoading();
        m_missingBudgetFiles = std::async(std::launch::async, budgetsMissingTheirFile, m_state.folders().projectsDir);
    });
    // The data are taken in once the threads are through, the event loop (and the splash box's
    // fade) going on meanwhile.
    m_startup.addWhen(
        [this] {
            return m_state.workspace().history().loadingDone()
                   && (!m_missingBudgetFiles.valid()
                       || m_missingBudgetFiles.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        },
        [this] {
            loadData();
            m_keys = std::make_unique<KeyboardShortcuts>(*this);
        });
    connect(&m_startup, &StartupSteps::finished, this, [this] {
        qApp->removeEventFilter(this);
        emitReadyOnce();
    });
}

OfficePage* TForm1::officePage()
{
    if (!m_officePage)
        buildOfficePage();
    return m_officePage;
}

ProjectPage* TForm1::projectPage()
{
    if (!m_projectPage)
        buildProjectPage();
    return m_projectPage;
}

HistoryPage* TForm1::historyPage()
{
    if (!m_historyPage)
        buildHistoryPage();
    return m_historyPage;
}

StatsPage* TForm1::statsPage()
{
    if (!m_statsPage)
        buildStatsPage();
    return m_statsPage;
}

Page* TForm1::page(int index)
{
    switch (index) {
    case kOfficePage: return officePage();
    case kProjectPage: return projectPage();
    case kHistoryPage: return historyPage();
    case kStatsPage: return statsPage();
    default: return m_menuPage;
    }
}

bool TForm1::pageBuilt(int index) const
{
    switch (index) {
    case kOfficePage: return m_officePage;
    case kProjectPage: return m_projectPage;
    case kHistoryPage: return m_historyPage;
    case kStatsPage: return m_statsPage;
    default: return true;
    }
}

void TForm1::placePage(int index, Page* page)
{
    m_pageSlots[index]->layout()->addWidget(page);
    // Until the data are read the page shows the state's defaults and takes no input.
    page->setEnabled(m_state.dataLoaded());
    connect(&m_state, &AppState::dataLoadedChanged, page, [this, page] { page->setEnabled(m_state.dataLoaded()); });
    if (m_keys)
        m_keys->addPage(*page);
}

void TForm1::buildOfficePage()
{
    m_officePage = new OfficePage(m_state, m_pageSlots[kOfficePage]);
    placePage(kOfficePage, m_officePage);
}

void TForm1::buildProjectPage()
{
    m_projectPage = new ProjectPage(m_state, m_pageSlots[kProjectPage]);
    placePage(kProjectPage, m_projectPage);
    connect(m_projectPage, &ProjectPage::attentionNeeded, this,
            [this] { m_pages->setCurrentIndex(kProjectPage); });
}

void TForm1::buildHistoryPage()
{
    m_historyPage = new HistoryPage(m_state, m_pageSlots[kHistoryPage]);
    placePage(kHistoryPage, m_historyPage);
    connect(m_historyPage, &HistoryPage::colorsConfirmed, this, &TForm1::saveStatusColors);
    connect(m_historyPage, &HistoryPage::budgetReopened, this, &TForm1::showReopenedBudget);
}

void TForm1::buildStatsPage()
{
    m_statsPage = new StatsPage(m_state, m_pageSlots[kStatsPage]);
    placePage(kStatsPage, m_statsPage);
    wireStatistics();
}

void TForm1::buildAllPages()
{
    for (int index = kOfficePage; index <= kStatsPage; ++index)
        page(index);
}

void TForm1::emitReadyOnce()
{
    if (m_readyEmitted || !m_startup.done() || (m_splash && m_splash->isVisible()))
        return;
    m_readyEmitted = true;
    emit ready();
}

bool TForm1::finishStartup()
{
    return m_startup.finish();
}

void TForm1::FormCreate()
{
    centreOnScreen(*this);
    // The lock comes first: a seat that only reads must not even make a missing folder.
    claimDataFolder();
    m_pages->setCurrentIndex(kMenuPage);
    followMenuShown();
}

void TForm1::reloadData()
{
    m_state.setUnreadableOfficeFile({});
    loadData();
}

void TForm1::loadData()
{
    // Which budgets lost their file was worked out on a thread at start; a reload (after a
    // restore) works it out anew.
    const std::vector<int> missing = m_missingBudgetFiles.valid() ? m_missingBudgetFiles.get()
                                                                  : budgetsMissingTheirFile(m_state.folders().projectsDir);
    const WorkspaceLoad loaded = m_state.workspace().load(missing, m_lock->afterUncleanClose(), Clock::today());
    showOffice(loaded);
    m_state.historyReplaced();
    // A damaged history is read as far as it goes; the user is told which lines, and the
    // original file is copied aside before it is first rewritten.
    if (loaded.history.damaged())
        Prompts::error(this, loaded.history.summary());
    showDatabase(loaded.database);
    const QString counterError = m_state.startNewBudget();
    if (!counterError.isEmpty())
        Prompts::error(this, counterError);
    showStatusColors(loaded);
    m_state.setHighlightStatus(false);
    m_state.markDataLoaded();
}

void TForm1::showOffice(const WorkspaceLoad& loaded)
{
    m_state.officeRead(loaded.office, loaded.officeRead.state == RecordReadState::Read);
    if (loaded.officeRead.state == RecordReadState::Failed) {
        // The damaged file stays as it is until the user saves the office deliberately.
        m_state.setUnreadableOfficeFile(loaded.officePath);
        Prompts::error(this, loaded.officeRead.error + QStringLiteral(
            "\n\nO programa usará os dados padrão do escritório. O arquivo não será alterado "
            "enquanto o escritório não for salvo."));
    }
}

void TForm1::showDatabase(const DatabaseOpening& opening)
{
    if (!opening.message.isEmpty())
        Prompts::error(this, opening.message);
    m_state.setOfficeSettings(opening.priceReferences, opening.officeContact);
    takeBackHistoryEdits(opening.lostEdits);
    if (opening.checkDue)
        m_storeCheck.start(m_state.workspace().store().database().filePath());
}

void TForm1::takeBackHistoryEdits(const std::vector<PendingRowEdit>& lost)
{
    if (lost.empty())
        return;
    QStringList numbers;
    for (const PendingRowEdit& edit : lost)
        numbers << QString::number(edit.budgetNumber);
    const QString question =
        QStringLiteral("O programa não foi fechado normalmente e as alterações feitas no histórico "
                       "(status, valor negociado, telefone ou código) dos orçamentos nº %1 não chegaram a ser "
                       "gravadas. Deseja recuperá-las?")
            .arg(numbers.join(QStringLiteral(", ")));
    const bool takeBack = Prompts::ask(this, question, QMessageBox::Yes | QMessageBox::No, Prompts::Box::Confirmation)
                          == QMessageBox::Yes;
    m_state.workspace().takeBackEdits(takeBack ? lost : std::vector<PendingRowEdit>());
    if (takeBack)
        m_state.historyReplaced();
}

void TForm1::checkStoreHealth(StoreHealth health)
{
    const QString message = m_state.workspace().followStoreHealth(health, Clock::today());
    if (!message.isEmpty())
        Prompts::error(this, message);
}

void TForm1::showStatusColors(const WorkspaceLoad& loaded)
{
    if (loaded.colorsRead.state == StatusColorsLoad::State::Defaulted)
        Prompts::error(this, loaded.colorsRead.message);
    m_state.setStatusColors(loaded.colors);
    m_state.setShownColors(m_state.statusColors());
    const TStatusColors& c = m_state.statusColors();
    m_state.setChartLook({c.PaletteIndex, c.ColorEachPoint != 0, c.BarGradient != 0});
}

bool TForm1::saveStatusColors()
{
    const TStatusColors colors = colorsToSave();
    // A seat that only reads shows the colours chosen for this session and keeps nothing.
    if (!m_state.writes())
        return true;
    const IoResult saved = SaveStatusColors(colors, statusColorsPath(m_state.folders().officeDir));
    if (!saved.ok()) {
        Prompts::error(this, saved.error);
        return false;
    }
    m_state.setStatusColors(colors);
    return true;
}

void TForm1::showReopenedBudget()
{
    m_pages->setCurrentIndex(kProjectPage);
    projectPage()->showSubPage(kDataSubPage);
}

void TForm1::applyScreenHeightRule(int screenHeight)
{
    m_opensMaximized = screenHeight < 770;
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (m_opensMaximized) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(1274, 739);
        flags |= Qt::WindowMaximizeButtonHint;
    } else {
        setFixedSize(1274, 739);
    }
    setWindowFlags(flags);
}

void TForm1::setAlphaBlend(bool on)
{
    m_alphaBlend = on;
    setWindowOpacity(on ? m_alphaBlendValue / 255.0 : 1.0);
}

void TForm1::setAlphaBlendValue(int value)
{
    m_alphaBlendValue = value;
    if (m_alphaBlend)
        setWindowOpacity(value / 255.0);
    emit alphaBlendValueChanged(value);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_splash)
        return;
    // FormShow: the splash box stands in front while the main window fades in behind it.
    m_splash = new TForm2(this);
    connect(m_splash, &TForm2::faded, this, &TForm1::emitReadyOnce);
    centreOnScreen(*m_splash);
    if (!m_startup.done()) {
        // The rest of the start-up begins once the splash box is on the screen (see eventFilter),
        // or shortly anyway where nothing is painted.
        qApp->installEventFilter(this);
        QTimer::singleShot(250, &m_startup, &StartupSteps::runWhenIdle);
    }
    m_splash->show();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // Watched only while the start-up runs behind the splash box.
    if (event->type() == QEvent::Paint && watched == m_splash) {
        m_startup.runWhenIdle();
    } else if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched) && m_splash
               && m_splash->isVisible()) {
        // A question or a warning at start-up must not wait behind the box, which stays on top.
        m_splash->endFade();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::openPage(int pageIndex)
{
    if (m_pages->currentIndex() != pageIndex)
        m_pages->setCurrentIndex(pageIndex);
}

void TForm1::exitProgram()
{
    close();
}

void TForm1::showMenu()
{
    m_pages->setCurrentIndex(kMenuPage);
}

void TForm1::onPageChanged(int index)
{
    Page* leaving = pageBuilt(m_activePage) ? page(m_activePage) : nullptr;
    m_activePage = index;
    if (leaving)
        leaving->pageHidden();
    followMenuShown();
    // A page is built the first time it is shown.
    page(index)->pageShown();
}

void TForm1::followMenuShown()
{
    m_header->setMenuShown(m_pages->currentIndex() == kMenuPage);
}

void TForm1::openWebSite()
{
    Prompts::openUrl(QString::fromLatin1(kWebSite));
}

void TForm1::showAbout()
{
    // While the splash still fades out, the logo is part of the start-up and does nothing.
    if ((m_aboutBox && m_aboutBox->isVisible()) || (m_splash && m_splash->isVisible()))
        return;
    setAlphaBlend(false);
    delete m_aboutBox;
    m_aboutBox = new TForm2(this);
    centreOnScreen(*m_aboutBox);
    m_aboutBox->show();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormCloseQuery()
{
    if (m_closeStepsDone)
        return true;
    // Closed before the data were read: nothing was read, so nothing can have changed and nothing
    // is written (writing back a history not read yet would empty it). While a question of the
    // start-up is open the window stays.
    if (!m_state.dataLoaded()) {
        if (!m_startup.done() && !m_startup.idle())
            return false;
        m_closeStepsDone = true;
        releaseDataFolder();
        return true;
    }
    confirmDataFolder();
    if (!m_state.writes())
        return m_closeStepsDone = closeReadOnly();
    if (m_state.officeDraft().modified()) {
        const auto answer = Prompts::ask(this, QStringLiteral("Os dados do escritório foram alterados. Deseja salvar?"),
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         Prompts::Box::Information);
        if (answer != QMessageBox::Yes && answer != QMessageBox::No)
            return false;
        if (answer == QMessageBox::Yes) {
            // A failed save keeps the window open, with the office still marked modified.
            if (!officePage()->saveOfficeFile())
                return false;
            Prompts::inform(this, QStringLiteral("Escritório foi salvo com sucesso"));
        }
    }
    if (m_projectPage && !m_projectPage->AskToSaveAtClose())
        return false;
    // The history's edits go back into the budget files, then the history and the colours are
    // written. If something could not be saved the user decides whether to close anyway.
    if (m_historyPage)
        m_historyPage->storeReportNotes();
    const QStringList problems = m_state.workspace().writeBackAtClose(colorsToSave());
    m_state.historyReplaced();
    if (!problems.isEmpty()) {
        const QString question = problems.join(QStringLiteral("\n\n"))
            + QStringLiteral("\n\nDeseja fechar o programa mesmo assim? O que não foi salvo será perdido.");
        if (Prompts::ask(this, question, QMessageBox::Yes | QMessageBox::No, Prompts::Box::Warning)
            != QMessageBox::Yes)
            return false;
    }
    m_closeStepsDone = true;
    releaseDataFolder();
    return true;
}

} // namespace belvane
