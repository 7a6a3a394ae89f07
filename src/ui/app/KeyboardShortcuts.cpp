#include "ui/app/KeyboardShortcuts.h"

#include "ui/app/Page.h"
#include "ui/app/TForm1.h"

#include <QPlainTextEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextEdit>

#include <algorithm>
#include <vector>

namespace belvane {

namespace {

// One shortcut for each key, trying the actions that use it in order until one acts.
void bindKeys(TForm1& window, const QList<PageKey>& keys)
{
    std::vector<std::pair<QKeySequence, std::vector<std::function<bool()>>>> byKey;
    for (const PageKey& key : keys) {
        auto found = std::find_if(byKey.begin(), byKey.end(),
                                  [&key](const auto& entry) { return entry.first == key.keys; });
        if (found == byKey.end())
            found = byKey.insert(byKey.end(), {key.keys, {}});
        found->second.push_back(key.act);
    }
    for (auto& [sequence, actions] : byKey) {
        auto* shortcut = new QShortcut(sequence, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, [actions = std::move(actions)] {
            for (const auto& act : actions) {
                if (act())
                    return;
            }
        });
    }
}

} // namespace

void installKeyboardShortcuts(TForm1& window)
{
    // Tab moves on from the note and report boxes instead of typing a tab into them, so the
    // keyboard never gets stuck in a page.
    for (auto* notes : window.findChildren<QPlainTextEdit*>())
        notes->setTabChangesFocus(true);
    for (auto* notes : window.findChildren<QTextEdit*>())
        notes->setTabChangesFocus(true);

    QList<PageKey> keys;
    const int pageKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int page = kOfficePage; page <= kStatsPage; ++page) {
        keys.append({QKeySequence(Qt::CTRL | pageKeys[page - kOfficePage]), [&window, page] {
                         window.openPage(page);
                         return true;
                     }});
    }
    // Back to the menu from any other page, as the header's "Menu" button does.
    keys.append({QKeySequence(Qt::CTRL | Qt::Key_M), [&window] {
                     if (window.pages()->currentIndex() == kMenuPage)
                         return false;
                     window.showMenu();
                     return true;
                 }});
    for (int index = 0; index < window.pages()->count(); ++index) {
        if (const auto* page = qobject_cast<const Page*>(window.pages()->widget(index)))
            keys.append(page->pageKeys());
    }
    bindKeys(window, keys);
}

} // namespace belvane
