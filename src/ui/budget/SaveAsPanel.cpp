#include "ui/budget/SaveAsPanel.h"

#include "ui/budget/ProjectControls.h"
#include "ui/widgets/NamedButton.h"
#include "ui/widgets/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {
namespace {

QPushButton* panelButton(const char* name, const QString& caption, QWidget* parent)
{
    return namedButton(name, caption, parent, {}, QSize(110, 0));
}

} // namespace

SaveAsPanel::SaveAsPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("NxHeaderPanel12"));
    setStyleSheet(theme::accentFramedPanel(objectName(), "#2f2f33", 2));
    auto* caption = new QLabel(QStringLiteral("Salvar como"), this);
    caption->setFont(theme::displayFont(14, QFont::Bold));
    caption->setStyleSheet(theme::accented(QStringLiteral("color: @accent-light;")));
    auto* text = new QLabel(QStringLiteral("Este é um orçamento em edição . Salvar como:"), this);
    text->setObjectName(QStringLiteral("Label72"));

    auto* cancel = m_cancel = panelButton(controls::project::kSaveAsCancel, QStringLiteral("Cancelar"), this);
    auto* asNew = panelButton(controls::project::kSaveAsNew, QStringLiteral("Novo"), this);
    auto* overwrite =
        panelButton(controls::project::kSaveAsOverwrite, QStringLiteral("Sobreescrever "), this);
    connect(cancel, &QPushButton::clicked, this, &SaveAsPanel::cancelSaveAs);
    connect(asNew, &QPushButton::clicked, this, &SaveAsPanel::saveAsNewChosen);
    connect(overwrite, &QPushButton::clicked, this, &SaveAsPanel::overwriteChosen);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(asNew);
    buttons->addWidget(overwrite);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(text);
    layout->addLayout(buttons);
    hide();
}

void SaveAsPanel::cancelSaveAs()
{
    hide();
}

} // namespace belvane
