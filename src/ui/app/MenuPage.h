#pragma once
// The menu page: one large button per area of the program, the exit button, and the bar with
// the product's web site along the bottom.
#include "ui/app/Page.h"

namespace belvane {

inline constexpr auto kWebSite = "https://www.belvane.com.br";

class MenuPage : public Page {
    Q_OBJECT
public:
    explicit MenuPage(QWidget* parent);

signals:
    // A menu button asks for the page whose index it carries.
    void pageRequested(int pageIndex);
    void exitRequested();
    void siteRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace belvane
