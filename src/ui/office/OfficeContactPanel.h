#pragma once
// The office's contact on "Dados gerais", as the proposals to clients print it: address,
// telephone, e-mail, CAU registration and how many days a proposal holds.
#include "core/office/OfficeContact.h"

#include <QGroupBox>

class QLineEdit;
class QSpinBox;

namespace belvane {

class OfficeContactPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit OfficeContactPanel(QWidget* parent);

    void showContact(const OfficeContact& contact);
    OfficeContact contact() const;

signals:
    void edited();

private:
    QLineEdit* m_address; // E_endereco
    QLineEdit* m_phone;   // E_telefone
    QLineEdit* m_email;   // E_email
    QLineEdit* m_cau;     // E_cau
    QSpinBox* m_validity; // E_validade
};

} // namespace belvane
