#include "ui/office/PriceReferencesPanel.h"

#include "ui/widgets/NumberEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace belvane {

PriceReferencesPanel::PriceReferencesPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Referências de preço"), parent)
{
    setObjectName(QStringLiteral("PriceReferencesPanel"));
    m_cub = new NumberEdit(QStringLiteral("E_cub"), QStringLiteral("#0.00"), this);
    m_cub->setRange(0.0, 1000000.0);
    m_cub->setInputHint(QStringLiteral("Digite o CUB em R$/m2, entre 0 e 1.000.000,00."));
    m_cub->setFixedWidth(110);
    m_cubSource = new QLineEdit(this);
    m_cubSource->setObjectName(QStringLiteral("E_cubRef"));
    m_cubSource->setMaxLength(60);
    m_cubSource->setPlaceholderText(QStringLiteral("estado e mês, ex.: PR, novembro/2026"));
    connect(m_cub, &NumberEdit::editingFinished, this, &PriceReferencesPanel::edited);
    connect(m_cubSource, &QLineEdit::textEdited, this, &PriceReferencesPanel::edited);

    auto* form = new QGridLayout(this);
    form->setContentsMargins(12, 16, 12, 10);
    form->setVerticalSpacing(8);
    form->addWidget(new QLabel(QStringLiteral("CUB [R$/m2]"), this), 0, 0);
    auto* cubRow = new QHBoxLayout;
    cubRow->addWidget(m_cub);
    cubRow->addWidget(m_cubSource, 1);
    form->addLayout(cubRow, 0, 1);

    form->addWidget(new QLabel(QStringLiteral("% da obra por categoria"), this), 1, 0);
    auto* percentRow = new QHBoxLayout;
    percentRow->setSpacing(4);
    for (int category = 1; category <= PriceReferences::kCategories; ++category) {
        auto* edit =
            new NumberEdit(QStringLiteral("E_obraCat%1").arg(category), QStringLiteral("#0.00"), this);
        edit->setRange(0.0, 100.0);
        edit->setInputHint(QStringLiteral("Digite uma porcentagem entre 0 e 100."));
        edit->setFixedWidth(64);
        edit->setToolTip(QStringLiteral("Honorários da categoria %1, em % do custo da obra").arg(category));
        connect(edit, &NumberEdit::editingFinished, this, &PriceReferencesPanel::edited);
        if (category > 1)
            percentRow->addSpacing(8);
        percentRow->addWidget(new QLabel(QString::number(category), this));
        percentRow->addWidget(edit);
        m_percent[std::size_t(category - 1)] = edit;
    }
    percentRow->addStretch(1);
    form->addLayout(percentRow, 1, 1);
    form->setColumnStretch(1, 1);
}

void PriceReferencesPanel::showReferences(const PriceReferences& references)
{
    m_cub->setValue(references.cubPerM2);
    m_cubSource->setText(references.cubSource);
    for (int category = 1; category <= PriceReferences::kCategories; ++category)
        m_percent[std::size_t(category - 1)]->setValue(references.percentFor(category));
}

PriceReferences PriceReferencesPanel::references() const
{
    PriceReferences references;
    references.cubPerM2 = m_cub->value();
    references.cubSource = m_cubSource->text().trimmed();
    for (std::size_t i = 0; i < m_percent.size(); ++i)
        references.percentOfWork[i] = m_percent[i]->value();
    return references;
}

void PriceReferencesPanel::commitOpenEdits()
{
    m_cub->interpretText();
    for (NumberEdit* edit : m_percent)
        edit->interpretText();
}

} // namespace belvane
