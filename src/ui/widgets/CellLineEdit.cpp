#include "ui/widgets/CellLineEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace belvane {

CellLineEdit::CellLineEdit(bool pasteAllowed, QWidget* parent)
    : QLineEdit(parent), m_pasteAllowed(pasteAllowed)
{
    setFrame(false);
    if (!pasteAllowed) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setAcceptDrops(false);
    }
}

void CellLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (!m_pasteAllowed && event->matches(QKeySequence::Paste)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CellLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // On X11 the middle button pastes the primary selection.
    if (!m_pasteAllowed && event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

} // namespace belvane
