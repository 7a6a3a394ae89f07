#pragma once
// The header of the main window: the B+V logo (a click shows the about box), the clock with the
// long Brazilian date and the time, and the "Menu" button that leads back to the menu page.
#include <QFrame>
#include <QTimer>

class QLabel;
class QPushButton;

namespace belvane {

class HeaderBar : public QFrame {
    Q_OBJECT
public:
    explicit HeaderBar(QWidget* parent);

    // On the menu page the header shows neither the "Menu" button nor the clock, and lies flat.
    void setMenuShown(bool menuShown);
    QTimer* clockTimer() { return &m_timer; }

public slots:
    void showCurrentTime();

signals:
    void logoClicked();
    void menuClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_clock;
    QPushButton* m_menuButton;
    QTimer m_timer;
};

} // namespace belvane
