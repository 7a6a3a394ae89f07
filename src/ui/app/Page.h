#pragma once
// One page of the main window's page control. The main window tells a page when it becomes the
// active page and when it stops being it, so each page can refresh or collect its data, and each
// page says which keys work its buttons (see KeyboardShortcuts.h).
#include <QAbstractButton>
#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <functional>

namespace belvane {

// A key of a page: what it does, and whether it could (false when what it works is not on screen
// or not enabled, so another page's use of the same key gets its turn).
struct PageKey {
    QKeySequence keys;
    std::function<bool()> act;

    // The key presses the button, as a click would, when the user could click it right now.
    static PageKey pressing(const QKeySequence& keys, QAbstractButton* button)
    {
        return {keys, [button] {
                    if (!button->isVisible() || !button->isEnabled())
                        return false;
                    button->click();
                    return true;
                }};
    }
};

class Page : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void pageShown() {}
    virtual void pageHidden() {}
    virtual QList<PageKey> pageKeys() const { return {}; }
};

} // namespace belvane
