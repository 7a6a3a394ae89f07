#include "ui/app/KeyboardShortcuts.h"

#include "ui/app/TForm1.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>

#include <initializer_list>
#include <vector>

namespace belvane {

namespace {

void bind(TForm1& window, const QKeySequence& keys, std::initializer_list<const char*> names)
{
    // Presses the first of the named buttons that the user could press with the mouse right now.
    auto* shortcut = new QShortcut(keys, &window);
    const std::vector<const char*> targets(names);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window, targets] {
        for (const char* name : targets) {
            auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
            if (button && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    });
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
    const int pageKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int page = kOfficePage; page <= kStatsPage; ++page) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | pageKeys[page - kOfficePage]), &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, [&window, page] { window.AbColBitBtn1Click(page); });
    }
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_M), {"AbColBitBtn15"});
    bind(window, QKeySequence(Qt::ALT | Qt::Key_1), {"AbColBitBtn11", "AbColBitBtn4"});
    bind(window, QKeySequence(Qt::ALT | Qt::Key_2), {"AbColBitBtn12", "AbColBitBtn8"});
    bind(window, QKeySequence(Qt::ALT | Qt::Key_3), {"AbColBitBtn9"});
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_N), {"AbColBitBtn25"});
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_S), {"AbColBitBtn22", "AbColBitBtn26"});
    bind(window, QKeySequence(Qt::Key_F9), {"AbColBitBtn9"});
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_E), {"AbColBitBtn19"});
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_R), {"AbColBitBtn17"});
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_Delete), {"AbColBitBtn20"});
    bind(window, QKeySequence(Qt::CTRL | Qt::Key_G), {"AbColBitBtn18"});
    bind(window, QKeySequence(Qt::Key_Escape), {"SpeedButton7", "SpeedButton29"});
    auto* search = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &window);
    QObject::connect(search, &QShortcut::activated, &window, [&window] {
        auto* edit = window.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        if (edit && edit->isVisible()) {
            edit->setFocus(Qt::ShortcutFocusReason);
            edit->selectAll();
        }
    });
}

} // namespace belvane
