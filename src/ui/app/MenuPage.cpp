#include "ui/app/MenuPage.h"

#include "core/backup/DataBackup.h"
#include "core/backup/DataRestore.h"
#include "core/text/Clock.h"
#include "ui/app/AppControls.h"
#include "ui/app/AppState.h"
#include "ui/widgets/ExportPath.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/Theme.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {
namespace {

struct MenuButton {
    const char* name;
    QString caption;
    QColor colour;
    int pageIndex;   // -1: the exit button
};

QPushButton* makeButton(const MenuButton& spec, QWidget* parent)
{
    auto* button = new QPushButton(spec.caption, parent);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setFixedSize(203, 145);
    button->setProperty("tag", spec.pageIndex);
    button->setCursor(Qt::PointingHandCursor);
    const QColor c = spec.colour;
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: %1; color: white; font-size: 20px; font-weight: 300; border: 0;"
        " border-radius: 6px; } QPushButton:hover { background: %2; }")
                              .arg(c.name(), c.lighter(125).name()));
    return button;
}

QString backupFilter()
{
    return QStringLiteral("Cópias de segurança do Belvane (*.zip)");
}

} // namespace

MenuPage::MenuPage(AppState& state, QWidget* parent) : Page(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabMenu"));
    const MenuButton buttons[] = {
        {controls::app::kMenuOffice, QStringLiteral("ESCRITÓRIO"), QColor(78, 78, 78), 1},
        {controls::app::kMenuBudget, QStringLiteral("ORÇAMENTO"), QColor(255, 128, 0), 2},
        {controls::app::kMenuHistory, QStringLiteral("HISTÓRICO"), QColor(0, 128, 0), 3},
        {controls::app::kMenuStatistics, QStringLiteral("ESTATÍSTICA"), QColor(255, 0, 0), 4},
        {controls::app::kMenuExit, QStringLiteral("SAIR"), QColor(85, 170, 255), -1},
    };
    auto* row = new QHBoxLayout;
    row->setSpacing(24);
    row->addStretch(1);
    for (const MenuButton& spec : buttons) {
        QPushButton* button = makeButton(spec, this);
        const int page = spec.pageIndex;
        connect(button, &QPushButton::clicked, this, [this, page] {
            if (page < 0)
                emit exitRequested();
            else
                emit pageRequested(page);
        });
        row->addWidget(button);
    }
    row->addStretch(1);

    auto* site = new QLabel(QString::fromLatin1(kWebSite).remove(QStringLiteral("https://")), this);
    site->setObjectName(QStringLiteral("Panel12"));
    site->setFixedHeight(30);
    site->setAlignment(Qt::AlignCenter);
    site->setCursor(Qt::PointingHandCursor);
    site->setStyleSheet(QStringLiteral("background: rgb(72, 72, 72); color: white;"));
    site->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addLayout(row);
    layout->addSpacing(28);
    layout->addWidget(buildDataButtons(), 0, Qt::AlignHCenter);
    layout->addStretch(1);
    layout->addWidget(site);
    setStyleSheet(QStringLiteral("#TabMenu { background: black; }"));
}

bool MenuPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        emit siteRequested();
    return Page::eventFilter(watched, event);
}

QWidget* MenuPage::buildDataButtons()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(24);
    const struct { const char* name; QString caption; QString hint; void (MenuPage::*slot)(); } buttons[] = {
        {"BackupButton", QStringLiteral("Cópia de segurança"),
         QStringLiteral("Guardar todos os dados (escritório, orçamentos, histórico) num arquivo ZIP"), &MenuPage::backUpData},
        {"RestoreButton", QStringLiteral("Restaurar cópia"),
         QStringLiteral("Trocar os dados atuais pelos de uma cópia de segurança"), &MenuPage::restoreData},
    };
    for (const auto& spec : buttons) {
        auto* button = new QPushButton(spec.caption, box);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setToolTip(spec.hint);
        button->setFixedSize(203, 40);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral(
            "QPushButton { background: rgb(40, 40, 40); color: white; font-size: 15px; border: 1px solid rgb(90, 90, 90);"
            " border-radius: 6px; } QPushButton:hover { background: rgb(64, 64, 64); }"
            " QPushButton:disabled { color: rgb(120, 120, 120); border-color: rgb(60, 60, 60); }"));
        connect(button, &QPushButton::clicked, this, spec.slot);
        row->addWidget(button);
        // A restore replaces the data folder: a seat that only reads cannot do it, and it waits
        // until the data it replaces have been read.
        if (spec.slot == &MenuPage::restoreData) {
            const auto followState = [this, button] { button->setEnabled(m_state.writes() && m_state.dataLoaded()); };
            followState();
            connect(&m_state, &AppState::writeAccessChanged, button, followState);
            connect(&m_state, &AppState::dataLoadedChanged, button, followState);
        }
    }
    return box;
}

void MenuPage::backUpData()
{
    const QString path = chooseExportPath(this, QStringLiteral("Cópia de segurança"), backupFileName(Clock::today()),
                                          backupFilter(), QStringLiteral(".zip"));
    if (path.isEmpty())
        return;
    const IoResult written = m_state.workspace().writeBackup(path);
    if (!written.ok()) {
        Prompts::error(this, written.error);
        return;
    }
    // What is only in memory (an office or budget not saved, history edits written at close)
    // is not in the archive; the user is reminded only when there is such a thing.
    const bool unsaved = m_state.officeDraft().modified() || m_state.hasUnsavedBudgetWork();
    Prompts::inform(this, QStringLiteral("Cópia de segurança salva em \"%1\".").arg(QDir::toNativeSeparators(path))
                              + (unsaved ? QStringLiteral("\n\nAlterações ainda não salvas não fazem parte da cópia.")
                                         : QString()));
}

void MenuPage::restoreData()
{
    // The button waits for the data; a click queued before it did changes nothing.
    if (!m_state.writes() || !m_state.dataLoaded())
        return;
    const QString path = Prompts::chooseOpenFile(this, QStringLiteral("Restaurar cópia de segurança"), backupFilter());
    if (path.isEmpty())
        return;
    const BackupContents backup = readDataBackup(path);
    if (!backup.ok()) {
        Prompts::error(this, backup.error + QStringLiteral(" Nada foi alterado."));
        return;
    }
    const QDateTime now = Clock::now();
    const QString question = QStringLiteral(
        "Os dados atuais (escritório, orçamentos e histórico) serão trocados pelos da cópia \"%1\".\n\n"
        "Os dados atuais não serão apagados: ficarão nas pastas \"%2\" e \"%3\", em \"%4\". "
        "Alterações ainda não salvas serão perdidas.\n\nContinuar?")
        .arg(QDir::toNativeSeparators(path), keptFolderName(QLatin1String(kBackupOfficeFolder), now),
             keptFolderName(QLatin1String(kBackupProjectsFolder), now), QDir::toNativeSeparators(m_state.folders().appDir));
    if (Prompts::ask(this, question, QMessageBox::Yes | QMessageBox::No, Prompts::Box::Warning) != QMessageBox::Yes)
        return;
    const RestoreOutcome restored = m_state.workspace().restoreBackup(backup.entries, now);
    if (!restored.ok()) {
        Prompts::error(this, restored.error);
        return;
    }
    emit dataRestored();
    QStringList kept;
    for (const QString& folder : restored.keptFolders)
        kept << QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(folder));
    Prompts::inform(this, QStringLiteral("Cópia de segurança restaurada.")
                              + (kept.isEmpty() ? QString()
                                                : QStringLiteral(" Os dados anteriores estão em ") + kept.join(QStringLiteral(" e ")) + u'.'));
}

} // namespace belvane
