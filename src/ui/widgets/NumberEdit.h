#pragma once
// A number field that shows and reads its value in Brazilian form through a display pattern
// ("#0.00", "0.0" ...), whatever the system locale. Without spin buttons it is the program's
// number edit; read-only it is a number display.
#include <QDoubleSpinBox>

namespace belvane {

class NumberEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit NumberEdit(const QString& objectName, const QString& pattern, QWidget* parent = nullptr);

    void setPattern(const QString& pattern);
    QString pattern() const { return m_pattern; }
    void setDisplayOnly(bool displayOnly);

    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    QString m_pattern;
};

} // namespace belvane
