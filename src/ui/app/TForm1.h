#pragma once
// The main window "B+V". It owns the shared state and the five pages, takes the data folder's
// lock, fades in behind the splash box, and runs the close steps (office question, history,
// colours, the lock let go). The window appears with the menu page alone; the data are read
// behind the splash box (StartupSteps), the history on a thread of its own, into the shared
// state. Each other page is built the first time it is needed (shown, or asked for), draws
// itself from the state and follows its signals from then on; until the data are read a page
// takes no input, so nothing typed is replaced by what is read.
#include "ui/app/AppState.h"
#include "ui/app/StartupSteps.h"
#include "ui/app/TForm2.h"

#include "core/storage/FolderLock.h"
#include "core/store/StoreHealthCheck.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <future>
#include <memory>

class QLabel;
class QStackedWidget;

namespace belvane {

class HeaderBar;
class MenuPage;
class OfficePage;
class ProjectPage;
class HistoryPage;
class StatsPage;
class TForm2;
class KeyboardShortcuts;
class Page;

enum PageIndex { kMenuPage = 0, kOfficePage = 1, kProjectPage = 2, kHistoryPage = 3, kStatsPage = 4 };

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // appDir is the folder beside which the data folders live (the executable's folder).
    explicit TForm1(const QString& appDir, QWidget* parent = nullptr);
    ~TForm1() override;

    AppState& state() { return m_state; }
    QStackedWidget* pages() const { return m_pages; }
    TForm2* splash() const { return m_splash; }
    TForm2* aboutBox() const { return m_aboutBox; }

    // The window's own opacity, 0..255, effective while alpha blending is on.
    bool alphaBlend() const { return m_alphaBlend; }
    int alphaBlendValue() const { return m_alphaBlendValue; }
    void setAlphaBlend(bool on);
    void setAlphaBlendValue(int value);

    // Screens under 770 pixels high get a maximise button and open maximised.
    void applyScreenHeightRule(int screenHeight);
    bool opensMaximized() const { return m_opensMaximized; }

    // The data on disk were replaced (a backup restored): office, history, colours and a new
    // budget are read again as at start, and what was only in memory is dropped.
    void reloadData();

    // Reads the data now instead of behind the splash box. False while a start-up step waits for
    // the user's answer to a question.
    bool finishStartup();
    bool startupFinished() const { return m_startup.done(); }

    // The pages, each built the first time it is asked for.
    OfficePage* officePage();
    ProjectPage* projectPage();
    HistoryPage* historyPage();
    StatsPage* statsPage();
    // The page at `index`, built if it was not yet.
    Page* page(int index);
    bool pageBuilt(int index) const;
    // Every page, as a test or a tool finds them.
    void buildAllPages();

public slots:
    // The menu page's area buttons (AbColBitBtn1, 2, 3, 29): the page with the given index,
    // once the start-up has built it.
    void openPage(int pageIndex);
    // "SAIR" (AbColBitBtn5): closes the window through its close steps.
    void exitProgram();
    // The header's "Menu" (AbColBitBtn15).
    void showMenu();
    // The header's logo (Label1): the about box, unless the splash is still fading out.
    void showAbout();
    // The bar with the web site along the menu page's bottom (Panel12).
    void openWebSite();

signals:
    void alphaBlendValueChanged(int value);
    // The pages are built, the data read and the splash box gone: the program is ready.
    void ready();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void planStartup();
    void emitReadyOnce();
    void buildOfficePage();
    void buildProjectPage();
    void buildHistoryPage();
    void buildStatsPage();
    // Puts a page just built into its place in the page control.
    void placePage(int index, Page* page);
    void FormCreate();
    void claimDataFolder();
    void renewDataFolderLock();
    // Whether this seat still holds the data folder, asked before every write into it.
    IoResult mayWriteDataFolder();
    void loseDataFolder(const QString& notice);
    // Looks at the lock now: a seat taken over while away learns it before it writes at close.
    void confirmDataFolder();
    void releaseDataFolder();
    bool closeReadOnly();
    bool exportUnsavedWork(bool office, bool budget, const std::vector<int>& historyRows);
    void loadData();
    void showOffice(const WorkspaceLoad& loaded);
    void showDatabase(const DatabaseOpening& opening);
    void showStatusColors(const WorkspaceLoad& loaded);
    void checkStoreHealth(StoreHealth health);
    // Offers back the history grid's edits a crash kept from being written.
    void takeBackHistoryEdits(const std::vector<PendingRowEdit>& lost);
    // The status colours of the colour panel together with the statistics' chart look.
    TStatusColors colorsToSave() const;
    void wireStatistics();
    bool saveStatusColors();
    void showReopenedBudget();
    void onPageChanged(int index);
    // The header has its menu button and clock on every page but the menu itself.
    void followMenuShown();
    bool FormCloseQuery();

    AppState m_state;
    HeaderBar* m_header = nullptr;
    QLabel* m_readOnlyBanner = nullptr;
    // The data folder's lock: held while this seat writes, renewed by the timer, which also
    // watches another seat's lock while this one only reads.
    std::unique_ptr<FolderLock> m_lock;
    QTimer m_lockRenewal;
    // The whole database, checked on a thread after an unclean close and every few days.
    StoreHealthCheck m_storeCheck;
    StartupSteps m_startup;
    // The budgets whose file went missing, worked out on a thread while the window is built.
    std::future<std::vector<int>> m_missingBudgetFiles;
    QStackedWidget* m_pages = nullptr;   // PageControl1
    // Each page's place in the page control, there from the start so that every page keeps its
    // index whenever it is built.
    QWidget* m_pageSlots[kStatsPage + 1] = {};
    std::unique_ptr<KeyboardShortcuts> m_keys;
    MenuPage* m_menuPage = nullptr;
    OfficePage* m_officePage = nullptr;
    ProjectPage* m_projectPage = nullptr;
    HistoryPage* m_historyPage = nullptr;
    StatsPage* m_statsPage = nullptr;
    TForm2* m_splash = nullptr;
    bool m_readyEmitted = false;
    QPointer<TForm2> m_aboutBox;
    int m_activePage = kMenuPage;
    bool m_alphaBlend = false;
    int m_alphaBlendValue = 255;
    bool m_opensMaximized = false;
    bool m_closeStepsDone = false;
};

} // namespace belvane
