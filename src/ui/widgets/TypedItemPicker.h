#pragma once
// Typing into a closed drop-down list picks the item spelt so far, key by key and whatever the
// pace of typing: "1", "0", "0" picks "100", never "10" followed by two lost keys. An item equal
// to what was typed (ignoring letter case) comes before one that only begins with it; a key that
// would spell no item is ignored. Picking does not commit: Enter, Tab or leaving the list does,
// as a click on an item of the open list does.
#include <QObject>
#include <QString>

class QComboBox;

namespace belvane {

class TypedItemPicker : public QObject {
    Q_OBJECT
public:
    // Watches the list's keys; owned by the list.
    explicit TypedItemPicker(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The index of the item `typed` spells, -1 when none.
    int itemSpelt(const QString& typed) const;

    QComboBox* m_list;
    QString m_typed;
};

} // namespace belvane
