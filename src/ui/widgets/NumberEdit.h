#pragma once
// A number field that shows and reads its value in Brazilian form through a display pattern
// ("#0.00", "0.0" ...), whatever the system locale. Without spin buttons it is the program's
// number edit; read-only it is a number display.
//
// A display shows its figure rounded to the pattern, but a computed figure is often carried on
// (the complexity factor into the budget, a total into the office): the edit keeps the exact value
// it was given beside the rounded one, and value() returns it until the user types another.
#include <QDoubleSpinBox>

#include <optional>

namespace belvane {

class NumberEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit NumberEdit(const QString& objectName, const QString& pattern, QWidget* parent = nullptr);

    void setPattern(const QString& pattern);
    QString pattern() const { return m_pattern; }
    void setDisplayOnly(bool displayOnly);

    // What is said beside the field when it refuses a key (a value beyond its range).
    void setInputHint(const QString& hint) { m_hint = hint; }

    // Hide the spin box's own pair, which keeps only six decimals.
    void setValue(double value);
    double value() const;

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    QString m_pattern;
    QString m_hint;
    std::optional<double> m_exact;   // the value last given by the program, every digit of it
};

} // namespace belvane
