#pragma once
// The "Salvar como" panel of the summary: shown instead of saving when the budget on the pages
// is a stored one (reopened from the history, or its code touched). It offers to save it under a
// new number or to overwrite its own file.
#include <QFrame>

class QPushButton;

namespace belvane {

class SaveAsPanel : public QFrame {
    Q_OBJECT
public:
    explicit SaveAsPanel(QWidget* parent);
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void saveAsNewChosen();     // "Novo"
    void overwriteChosen();     // "Sobreescrever "

public slots:
    void cancelSaveAs();  // "Cancelar" (SpeedButton29): hides the panel, nothing else

private:
    QPushButton* m_cancel;      // SpeedButton29
};

} // namespace belvane
