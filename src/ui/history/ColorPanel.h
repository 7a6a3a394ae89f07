#pragma once
// The "Cores" panel of the history page: one colour button per status and one for the text of
// highlighted status cells, and "OK", which applies the colours, saves them and closes the panel.
// The buttons' colours are the swatches the grid is painted with; choosing a colour changes
// nothing else until "OK" (or the close of the program, which saves the swatches).
#include "core/settings/StatusColors.h"

#include <QFrame>

namespace belvane {

class ColorButton;

class ColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColorPanel(QWidget* parent);

    // The record with the five colours taken from the swatches; other fields from `base`.
    TStatusColors swatches(const TStatusColors& base) const;
    void setSwatches(const TStatusColors& colors);

signals:
    void okClicked();
    // The user chose another colour for one of the swatches.
    void swatchChosen();

private:
    ColorButton* m_aprovado;
    ColorButton* m_aguardando;
    ColorButton* m_concluido;
    ColorButton* m_reprovado;
    ColorButton* m_texto;
};

} // namespace belvane
