#pragma once
// The sub-page "Dados gerais" of the office page: the office's name, tax regime and rate, monthly
// hours, standard (with its factor Fe), the date of the last update, and the man-hours table by
// project category and complexity, each with its explanatory note, and the price references the
// quotes are checked against.
#include <QWidget>

#include <cstdint>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace belvane {

class EditableGrid;
class MonthlyHoursSpin;
class NoteSwitch;
class NumberEdit;
class OfficeContactPanel;
class PriceReferencesPanel;
struct TOfficeData;

class OfficeGeneralTab : public QWidget {
    Q_OBJECT
public:
    explicit OfficeGeneralTab(QWidget* parent);

    MonthlyHoursSpin* hoursSpin() const { return m_hours; }   // E_HoraMensal
    EditableGrid* manHoursGrid() const { return m_manHours; } // Ng6
    QLineEdit* updatedOn() const { return m_updatedOn; }      // E_data
    QGroupBox* officePanel() const { return m_officePanel; }  // NxHeaderPanel6
    QGroupBox* manHoursPanel() const { return m_manHoursPanel; }  // NxHeaderPanel7
    PriceReferencesPanel* priceReferences() const { return m_priceReferences; }
    OfficeContactPanel* contact() const { return m_contact; }

    // Name, regime, tax, standard and Fe, hours, utilisation, date and the man-hours table.
    void showOffice(const TOfficeData& office);
    void collectInto(TOfficeData& office) const;
    // Takes a value the user is still typing as if Enter had been pressed.
    void commitOpenEdits();

signals:
    // The user touched one of the office's general data: the office counts as modified.
    void edited();

public slots:
    // "Carrega valores default" (Label49): the proposed man-hours table, as the user's edit.
    void takeDefaultManHours();
    // The man-hours table the program proposes, on the page (no edit of the user's).
    void showDefaultManHours();
    // A construction standard chosen (E_padrao): its factor is shown.
    void showStandardFactor();
    // A tax regime chosen (E_regime), or a click into the name, the tax rate or the man-hours:
    // the office counts as edited.
    void countClickAsEdit();
    // The note switches of the standards (AbColBitBtn7) and of the man-hours (AbColBitBtn10).
    void showStandardsNote(bool on);
    void showManHoursNote(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* buildOfficePanel();
    QGroupBox* buildManHoursPanel();
    QWidget* buildRegimeRow(QWidget* parent);
    std::uint8_t regimeStatus() const;

    QGroupBox* m_officePanel;
    QGroupBox* m_manHoursPanel;
    PriceReferencesPanel* m_priceReferences;
    OfficeContactPanel* m_contact;
    QLineEdit* m_name;             // E_Nome
    QRadioButton* m_simples;       // E_regime
    QRadioButton* m_presumido;     // AbLED8
    QRadioButton* m_outros;        // AbLED9
    NumberEdit* m_taxRate;         // E_imposto
    MonthlyHoursSpin* m_hours;     // E_HoraMensal
    NumberEdit* m_utilization;     // E_Kuh
    QComboBox* m_standard;         // E_padrao
    NumberEdit* m_factor;          // E_Fp
    QPlainTextEdit* m_standardsNote;  // NxMemo5
    QLineEdit* m_updatedOn;        // E_data
    EditableGrid* m_manHours;      // Ng6
    QPlainTextEdit* m_manHoursNote;   // NxMemo3
};

} // namespace belvane
