#pragma once
// Keys for everything the pages do, so an office can work without the mouse. The buttons' captions
// are fixed texts, so instead of underlined mnemonics each page names the keys that press its
// buttons (Page::pageKeys); a key acts on the first page whose button is on screen and enabled. The
// same key can therefore serve the office page and the project page ("Ctrl+S" saves whichever is
// shown).
//
//   Ctrl+1 … Ctrl+4   Escritório, Orçamento, Histórico, Estatística     Ctrl+M   Menu
//   Alt+1 … Alt+3     the sub-page selectors of the page shown
//   Ctrl+N  Novo      Ctrl+S  Salvar      F9  Calcular e Resumo
//   Ctrl+F  the history search   Ctrl+E Editar   Ctrl+R Resumo   Ctrl+Del Excluir   Ctrl+G Grifar
//   Esc     closes the open panel (report, save-as)
#include "ui/app/Page.h"

#include <QList>
#include <QSet>

namespace belvane {

class TForm1;

class KeyboardShortcuts {
public:
    // The window's own keys (pages, menu) and the keys of the pages built so far.
    explicit KeyboardShortcuts(TForm1& window);
    // A page built later brings its keys along.
    void addPage(Page& page);

private:
    void bind(const QKeySequence& keys);
    // What a key does, asked when it is pressed: the window's actions, then the pages' in page order.
    QList<PageKey> actionsOf(const QKeySequence& keys) const;

    TForm1& m_window;
    QList<PageKey> m_windowKeys;
    QSet<QString> m_bound;
};

} // namespace belvane
