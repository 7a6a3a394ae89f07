#include "ui/budget/ResourcesTab.h"

#include "ui/app/AppState.h"
#include "ui/budget/ResourceNotes.h"
#include "ui/widgets/ClickableLabel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace belvane {

ResourcesTab::ResourcesTab(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabP_Recursos"));
    m_tasksPanel = new QGroupBox(QStringLiteral("Estimativa de recursos (Hxh)"), this);
    m_indicatorsPanel = new QGroupBox(QStringLiteral("Fator de complexidade (Fc)"), this);
    m_teamPanel = new QGroupBox(QStringLiteral("Equipe técnica"), this);

    auto* taskInfo = new ClickableLabel(QStringLiteral("Label74"), QStringLiteral("🛈"),
                                        QStringLiteral("Instruções"), m_tasksPanel);
    auto* indicatorInfo = new ClickableLabel(QStringLiteral("Label75"), QStringLiteral("🛈"),
                                             QStringLiteral("Instruções"), m_indicatorsPanel);
    connect(taskInfo, &ClickableLabel::clicked, this, &ResourcesTab::Label74Click);
    connect(indicatorInfo, &ClickableLabel::clicked, this, &ResourcesTab::Label75Click);
    for (auto [panel, info] : {std::pair{m_tasksPanel, taskInfo}, std::pair{m_indicatorsPanel, indicatorInfo}}) {
        auto* layout = new QVBoxLayout(panel);
        auto* bar = new QHBoxLayout;
        bar->addStretch(1);
        bar->addWidget(info);
        layout->addLayout(bar);
        layout->addStretch(1);
    }
    new QVBoxLayout(m_teamPanel);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_tasksPanel, 5);
    layout->addWidget(m_indicatorsPanel, 4);
    layout->addWidget(m_teamPanel, 4);

    m_taskNote = makeNote("NxMemo6", taskComplexityNote());
    m_indicatorNote = makeNote("NxMemo4", complexityIndicatorNote());
}

QPlainTextEdit* ResourcesTab::makeNote(const char* name, const QString& text)
{
    auto* note = new QPlainTextEdit(text, this);
    note->setObjectName(QString::fromLatin1(name));
    note->setReadOnly(true);
    note->setStyleSheet(QStringLiteral("background: #fffbe6; color: #202020; border: 1px solid #c0a060;"));
    note->hide();
    return note;
}

void ResourcesTab::placeNotes()
{
    // Each note lies over its own panel, below the panel's title bar.
    const auto over = [](QWidget* panel) { return panel->geometry().adjusted(8, 40, -8, -8); };
    m_taskNote->setGeometry(over(m_tasksPanel));
    m_indicatorNote->setGeometry(over(m_indicatorsPanel).united(over(m_teamPanel)));
}

void ResourcesTab::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeNotes();
}

void ResourcesTab::Label74Click()
{
    placeNotes();
    m_taskNote->setHidden(!m_taskNote->isHidden());
    m_taskNote->raise();
}

void ResourcesTab::Label75Click()
{
    placeNotes();
    m_indicatorNote->setHidden(!m_indicatorNote->isHidden());
    m_indicatorNote->raise();
}

void ResourcesTab::TabP_RecursosHide()
{
    m_indicatorNote->hide();
    m_taskNote->hide();
}

} // namespace belvane
