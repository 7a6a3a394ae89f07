#pragma once
// A switch that opens and closes an explanatory note: "+ ..." while the note is closed, "- ..."
// while it is open. It starts on; the page's handler of statusChanged shows the note exactly
// while the switch is on.
#include <QPushButton>

namespace belvane {

class NoteSwitch : public QPushButton {
    Q_OBJECT
public:
    NoteSwitch(const QString& objectName, const QString& offCaption, const QString& onCaption, QWidget* parent);

signals:
    void statusChanged(bool on);

private:
    void applyStatus(bool on);

    QString m_offCaption;
    QString m_onCaption;
};

} // namespace belvane
