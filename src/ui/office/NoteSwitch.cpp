#include "ui/office/NoteSwitch.h"

#include "ui/widgets/Theme.h"

namespace belvane {

NoteSwitch::NoteSwitch(const QString& objectName, const QString& offCaption, const QString& onCaption,
                       QWidget* parent)
    : QPushButton(parent), m_offCaption(offCaption), m_onCaption(onCaption)
{
    setObjectName(objectName);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setStyleSheet(theme::accented(QStringLiteral(
        "QPushButton { background: transparent; border: none; color: @accent-light; text-align: left; padding: 2px; }"
        "QPushButton:checked { background: transparent; }"
        "QPushButton:hover { color: #ffd0a0; }")));
    connect(this, &QPushButton::toggled, this, &NoteSwitch::applyStatus);
    setChecked(true);   // notes start open
}

void NoteSwitch::applyStatus(bool on)
{
    setText(on ? m_onCaption : m_offCaption);
    emit statusChanged(on);
}

} // namespace belvane
