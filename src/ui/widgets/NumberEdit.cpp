#include "ui/widgets/NumberEdit.h"

#include "core/text/NumberFormat.h"
#include "core/text/TypedNumber.h"
#include "ui/widgets/InputHint.h"

#include <QLineEdit>

#include <limits>

namespace belvane {

NumberEdit::NumberEdit(const QString& objectName, const QString& pattern, QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setObjectName(objectName);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setRange(-std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
    setDecimals(6);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setKeyboardTracking(false);
    setPattern(pattern);
    connect(lineEdit(), &QLineEdit::inputRejected, this, [this] {
        if (!m_hint.isEmpty())
            showInputHint(this, m_hint);
    });
}

void NumberEdit::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    // Re-render the current value in the new pattern.
    setValue(value());
    lineEdit()->setText(textFromValue(value()));
}

void NumberEdit::setValue(double value)
{
    m_exact = value;
    QDoubleSpinBox::setValue(value);
}

double NumberEdit::value() const
{
    const double shown = QDoubleSpinBox::value();
    // Once the user typed another figure (or the spin box was set past this class), the exact
    // value no longer belongs to what is shown.
    if (m_exact && QString::number(*m_exact, 'f', decimals()).toDouble() == shown)
        return *m_exact;
    return shown;
}

void NumberEdit::setDisplayOnly(bool displayOnly)
{
    setReadOnly(displayOnly);
    setFocusPolicy(displayOnly ? Qt::NoFocus : Qt::StrongFocus);
}

QString NumberEdit::textFromValue(double value) const
{
    return formatNumber(value, m_pattern);
}

double NumberEdit::valueFromText(const QString& text) const
{
    return parseTypedNumber(text).value_or(0.0);
}

QValidator::State NumberEdit::validate(QString& input, int&) const
{
    const QString plain = input.trimmed();
    if (plain == QLatin1String("-"))
        return minimum() < 0.0 ? QValidator::Intermediate : QValidator::Invalid;
    if (isUnfinishedTypedNumber(plain))
        return QValidator::Intermediate;
    // A value beyond the field's range is refused as it is typed, not cut silently afterwards.
    const std::optional<double> value = parseTypedNumber(plain);
    if (!value || *value > maximum() || (*value < 0.0 && minimum() >= 0.0))
        return QValidator::Invalid;
    // Below a positive minimum the value may still grow into the range as digits follow.
    return *value < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}

} // namespace belvane
