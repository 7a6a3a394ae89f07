#pragma once
// The main window on a fresh temporary data folder, started when the test says so, with quick
// ways to the data folders and to the history it keeps.
#include "support/Files.h"
#include "support/ScriptedUiTest.h"

#include "core/history/HistoryTable.h"
#include "ui/app/TForm1.h"
#include "ui/history/HistoryPage.h"

#include <memory>

namespace belvane::test {

class AppFixture : public ScriptedUiTest {
protected:
    void TearDown() override;

    TForm1& start();
    TForm1& window() { return *m_window; }
    // Closes the window the way the user does; true when it really closed.
    bool closeWindow() { return m_window->close(); }
    QWidget* widgets() override { return m_window.get(); }

    QString projects() const { return appDir() + QStringLiteral("Projetos/"); }
    QString officeFolder() const { return appDir() + QStringLiteral("Escrt/"); }
    // Every file under the application folder, relative path -> contents.
    FolderPicture picture() const { return pictureOf(appDir()); }

    // The history the window keeps, and its page.
    HistoryTable& history() { return window().state().workspace().history().table(); }
    HistoryPage* historyPage() { return find<HistoryPage>("TabHistorico"); }

    std::unique_ptr<TForm1> m_window;
};

} // namespace belvane::test
