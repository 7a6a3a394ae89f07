#pragma once
// The menu page: one large button per area of the program, the exit button, the backup and
// restore of all the data, and the bar with the product's web site along the bottom.
#include "ui/app/Page.h"

namespace belvane {

class AppState;

inline constexpr auto kWebSite = "https://www.belvane.com.br";

class MenuPage : public Page {
    Q_OBJECT
public:
    MenuPage(AppState& state, QWidget* parent);

public slots:
    // "Cópia de segurança" (BackupButton): the office and projects folders into one ZIP archive.
    void backUpData();
    // "Restaurar cópia" (RestoreButton): an archive's data in place of the current ones, which
    // are kept aside first.
    void restoreData();

signals:
    // A menu button asks for the page whose index it carries.
    void pageRequested(int pageIndex);
    void exitRequested();
    void siteRequested();
    // The data on disk were replaced by a backup's: everything in memory must be read again.
    void dataRestored();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildDataButtons();

    AppState& m_state;
};

} // namespace belvane
