#pragma once
// One page of the main window's page control. The main window tells a page when it becomes the
// active page and when it stops being it, so each page can refresh or collect its data.
#include <QWidget>

namespace belvane {

class Page : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void pageShown() {}
    virtual void pageHidden() {}
};

} // namespace belvane
