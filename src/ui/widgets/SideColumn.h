#pragma once
// The column at the left of the office and project pages: a heading, and radio-like selector
// buttons that each carry the index of the sub-page they show.
#include <QFrame>

class QPushButton;
class QVBoxLayout;

namespace belvane {

class SideColumn : public QFrame {
    Q_OBJECT
public:
    SideColumn(const QString& objectName, const QString& heading, QWidget* parent);

    // A selector button; only one of a column's selectors is checked at a time.
    QPushButton* addSelector(const QString& objectName, const QString& caption, const QString& hint,
                             int subPageIndex);
    void addStretch();

private:
    QVBoxLayout* m_layout;
};

} // namespace belvane
