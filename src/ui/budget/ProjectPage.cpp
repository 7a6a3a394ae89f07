#include "ui/budget/ProjectPage.h"

#include "ui/app/AppState.h"
#include "ui/budget/ResourcesTab.h"
#include "ui/widgets/SideColumn.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace belvane {
namespace {

constexpr int kDataSubPage = 0;
constexpr int kResourcesSubPage = 1;

QPushButton* toolbarButton(const char* name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setMinimumSize(96, 32);
    return button;
}

} // namespace

ProjectPage::ProjectPage(AppState& state, QWidget* parent) : Page(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabProj"));
    auto* column = new SideColumn(QStringLiteral("Panel6"), QStringLiteral("ORÇAMENTO"), this);
    m_dataSelector = column->addSelector(QStringLiteral("AbColBitBtn4"), QStringLiteral("Dados do Projeto"),
                                         QStringLiteral("Dados do projeto"), kDataSubPage);
    m_resourcesSelector = column->addSelector(QStringLiteral("AbColBitBtn8"), QStringLiteral("Recursos "),
                                              QStringLiteral("Recursos para elaborar o projeto"),
                                              kResourcesSubPage);
    m_summarySelector = column->addSelector(QStringLiteral("AbColBitBtn9"), QStringLiteral("Calcular e Resumo"),
                                            QStringLiteral("Gerar orçamento"), 2);
    column->addStretch();
    connect(m_dataSelector, &QPushButton::clicked, this, &ProjectPage::AbColBitBtn4Click);
    connect(m_resourcesSelector, &QPushButton::clicked, this, &ProjectPage::AbColBitBtn4Click);
    // The resources selector reads "Recursos" while pressed and "Recursos " otherwise.
    connect(m_resourcesSelector, &QPushButton::toggled, this, [this](bool on) {
        m_resourcesSelector->setText(on ? QStringLiteral("Recursos") : QStringLiteral("Recursos "));
    });

    auto* toolbar = new QFrame(this);
    toolbar->setObjectName(QStringLiteral("Panel5"));
    auto* bar = new QHBoxLayout(toolbar);
    bar->setContentsMargins(8, 6, 8, 6);
    bar->addWidget(toolbarButton("AbColBitBtn25", QStringLiteral("Novo"), QStringLiteral("Novo orçamento"), toolbar));
    m_saveButton = toolbarButton("AbColBitBtn26", QStringLiteral("Salvar"),
                                 QStringLiteral("Salvar orçamento e adicionar ao histórico"), toolbar);
    m_saveButton->setEnabled(false);
    bar->addWidget(m_saveButton);
    bar->addStretch(1);

    m_subPages = new QStackedWidget(this);
    m_subPages->setObjectName(QStringLiteral("PageControl3"));
    auto* data = new QWidget(m_subPages);
    data->setObjectName(QStringLiteral("TabP_dados"));
    m_resources = new ResourcesTab(state, m_subPages);
    auto* summary = new QWidget(m_subPages);
    summary->setObjectName(QStringLiteral("TabP_resumo"));
    m_subPages->addWidget(data);
    m_subPages->addWidget(m_resources);
    m_subPages->addWidget(summary);
    connect(m_subPages, &QStackedWidget::currentChanged, this, &ProjectPage::onSubPageChanged);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(toolbar);
    right->addWidget(m_subPages, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(column);
    layout->addLayout(right, 1);
    m_dataSelector->setChecked(true);
}

void ProjectPage::AbColBitBtn4Click()
{
    m_saveButton->setEnabled(false);
    const auto* button = qobject_cast<QPushButton*>(sender());
    if (button)
        m_subPages->setCurrentIndex(button->property("tag").toInt());
}

void ProjectPage::TabProjShow()
{
    showSubPage(kDataSubPage);
    m_saveButton->setEnabled(false);
}

void ProjectPage::showSubPage(int index)
{
    m_subPages->setCurrentIndex(index);
    QPushButton* selectors[] = {m_dataSelector, m_resourcesSelector, m_summarySelector};
    if (index >= 0 && index < 3)
        selectors[index]->setChecked(true);
}

void ProjectPage::onSubPageChanged(int index)
{
    if (m_currentSubPage == kResourcesSubPage && index != kResourcesSubPage)
        m_resources->TabP_RecursosHide();
    m_currentSubPage = index;
}

} // namespace belvane
