#pragma once
// The line edit a grid cell opens for text and numbers. Where a column refuses pasted input (a
// money column must be typed digit by digit), every way of pasting is closed: the paste keys, the
// context menu, the middle mouse button and dropping text.
#include <QLineEdit>

namespace belvane {

class CellLineEdit : public QLineEdit {
    Q_OBJECT
public:
    CellLineEdit(bool pasteAllowed, QWidget* parent);
    bool pasteAllowed() const { return m_pasteAllowed; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pasteAllowed;
};

} // namespace belvane
