#include "ui/office/OfficeContactPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace belvane {

OfficeContactPanel::OfficeContactPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Contato nas propostas"), parent)
{
    setObjectName(QStringLiteral("OfficeContactPanel"));
    const auto line = [this](const char* name, int maxLength) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(maxLength);
        connect(edit, &QLineEdit::textEdited, this, &OfficeContactPanel::edited);
        return edit;
    };
    m_address = line("E_endereco", 120);
    m_phone = line("E_telefone", 40);
    m_email = line("E_email", 80);
    m_cau = line("E_cau", 30);
    m_validity = new QSpinBox(this);
    m_validity->setObjectName(QStringLiteral("E_validade"));
    m_validity->setRange(1, 365);
    m_validity->setSuffix(QStringLiteral(" dias"));
    m_validity->setValue(OfficeContact::kDefaultValidityDays);
    connect(m_validity, &QSpinBox::valueChanged, this, &OfficeContactPanel::edited);

    auto* form = new QGridLayout(this);
    form->setContentsMargins(12, 16, 12, 10);
    form->setVerticalSpacing(6);
    form->addWidget(new QLabel(QStringLiteral("Endereço"), this), 0, 0);
    form->addWidget(m_address, 0, 1, 1, 3);
    form->addWidget(new QLabel(QStringLiteral("Telefone"), this), 1, 0);
    form->addWidget(m_phone, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("E-mail"), this), 1, 2);
    form->addWidget(m_email, 1, 3);
    form->addWidget(new QLabel(QStringLiteral("Registro no CAU"), this), 2, 0);
    form->addWidget(m_cau, 2, 1);
    form->addWidget(new QLabel(QStringLiteral("Validade da proposta"), this), 2, 2);
    form->addWidget(m_validity, 2, 3);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
}

void OfficeContactPanel::showContact(const OfficeContact& contact)
{
    const QSignalBlocker quiet(m_validity);
    m_address->setText(contact.address);
    m_phone->setText(contact.phone);
    m_email->setText(contact.email);
    m_cau->setText(contact.cauNumber);
    m_validity->setValue(contact.validityDays);
}

OfficeContact OfficeContactPanel::contact() const
{
    return {m_address->text().trimmed(), m_phone->text().trimmed(), m_email->text().trimmed(),
            m_cau->text().trimmed(), m_validity->value()};
}

} // namespace belvane
