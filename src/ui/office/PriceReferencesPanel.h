#pragma once
// The office's price references on "Dados gerais": the CUB in R$/m² with the state and month it
// was copied from, and the share of the construction cost a design fee takes in each project
// category. They are kept in the database beside the office file, saved with the office.
#include "core/pricing/PriceReferences.h"

#include <QGroupBox>

#include <array>

class QLineEdit;

namespace belvane {

class NumberEdit;

class PriceReferencesPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit PriceReferencesPanel(QWidget* parent);

    void showReferences(const PriceReferences& references);
    PriceReferences references() const;
    void commitOpenEdits();

signals:
    void edited();

private:
    NumberEdit* m_cub;                                                 // E_cub
    QLineEdit* m_cubSource;                                            // E_cubRef
    std::array<NumberEdit*, PriceReferences::kCategories> m_percent{}; // E_obraCat1..4
};

} // namespace belvane
