#include "ui/app/KeyboardShortcuts.h"

#include "ui/app/TForm1.h"

#include <QPlainTextEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextEdit>

namespace belvane {

namespace {

// Tab moves on from the note and report boxes instead of typing a tab into them, so the keyboard
// never gets stuck in a page.
void tabLeavesNotes(QWidget& widget)
{
    for (auto* notes : widget.findChildren<QPlainTextEdit*>())
        notes->setTabChangesFocus(true);
    for (auto* notes : widget.findChildren<QTextEdit*>())
        notes->setTabChangesFocus(true);
}

} // namespace

KeyboardShortcuts::KeyboardShortcuts(TForm1& window) : m_window(window)
{
    tabLeavesNotes(window);
    const int pageKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int page = kOfficePage; page <= kStatsPage; ++page) {
        m_windowKeys.append({QKeySequence(Qt::CTRL | pageKeys[page - kOfficePage]), [&window, page] {
                                 window.openPage(page);
                                 return true;
                             }});
    }
    // Back to the menu from any other page, as the header's "Menu" button does.
    m_windowKeys.append({QKeySequence(Qt::CTRL | Qt::Key_M), [&window] {
                             if (window.pages()->currentIndex() == kMenuPage)
                                 return false;
                             window.showMenu();
                             return true;
                         }});
    for (const PageKey& key : m_windowKeys)
        bind(key.keys);
    for (int index = kMenuPage; index <= kStatsPage; ++index) {
        if (window.pageBuilt(index))
            addPage(*window.page(index));
    }
}

void KeyboardShortcuts::addPage(Page& page)
{
    tabLeavesNotes(page);
    for (const PageKey& key : page.pageKeys())
        bind(key.keys);
}

// One shortcut for each key, trying the actions that use it in order until one acts.
void KeyboardShortcuts::bind(const QKeySequence& keys)
{
    const QString name = keys.toString();
    if (m_bound.contains(name))
        return;
    m_bound.insert(name);
    auto* shortcut = new QShortcut(keys, &m_window);
    QObject::connect(shortcut, &QShortcut::activated, &m_window, [this, keys] {
        for (const PageKey& key : actionsOf(keys)) {
            if (key.act())
                return;
        }
    });
}

QList<PageKey> KeyboardShortcuts::actionsOf(const QKeySequence& keys) const
{
    QList<PageKey> actions;
    for (const PageKey& key : m_windowKeys) {
        if (key.keys == keys)
            actions.append(key);
    }
    for (int index = kMenuPage; index <= kStatsPage; ++index) {
        if (!m_window.pageBuilt(index))
            continue;
        for (const PageKey& key : m_window.page(index)->pageKeys()) {
            if (key.keys == keys)
                actions.append(key);
        }
    }
    return actions;
}

} // namespace belvane
