#include "ui/widgets/TypedItemPicker.h"

#include <QComboBox>
#include <QKeyEvent>

namespace belvane {

TypedItemPicker::TypedItemPicker(QComboBox* list) : QObject(list), m_list(list)
{
    list->installEventFilter(this);
}

int TypedItemPicker::itemSpelt(const QString& typed) const
{
    int begins = -1;
    for (int i = 0; i < m_list->count(); ++i) {
        const QString item = m_list->itemText(i);
        if (item.compare(typed, Qt::CaseInsensitive) == 0)
            return i;
        if (begins < 0 && item.startsWith(typed, Qt::CaseInsensitive))
            begins = i;
    }
    return begins;
}

bool TypedItemPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_list || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    QString typed = m_typed;
    if (key->key() == Qt::Key_Backspace) {
        typed.chop(1);
    } else {
        const QString text = key->text();
        // Enter, Tab, Escape and the arrows keep their usual meaning.
        if (text.isEmpty() || !text.at(0).isPrint())
            return false;
        typed += text;
    }
    const int item = typed.isEmpty() ? -1 : itemSpelt(typed);
    if (typed.isEmpty() || item >= 0) {
        m_typed = typed;
        if (item >= 0)
            m_list->setCurrentIndex(item);
    }
    return true;
}

} // namespace belvane
