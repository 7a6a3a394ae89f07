#include "ui/widgets/NamedButton.h"

#include <QPushButton>

namespace belvane {

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent, const QString& hint,
                         QSize minimumSize)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        button->setToolTip(hint);
    button->setMinimumSize(minimumSize.expandedTo(QSize(0, 0)));
    return button;
}

} // namespace belvane
