#include "ui/widgets/NumberEdit.h"

#include "core/text/NumberFormat.h"

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
}

void NumberEdit::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    // Re-render the current value in the new pattern.
    setValue(value());
    lineEdit()->setText(textFromValue(value()));
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
    return parseNumber(QString(text).remove(QLatin1Char('.')).trimmed()).value_or(0.0);
}

QValidator::State NumberEdit::validate(QString& input, int&) const
{
    const QString plain = QString(input).remove(QLatin1Char('.')).trimmed();
    if (plain.isEmpty() || plain == QLatin1String("-") || plain.endsWith(QLatin1Char(',')))
        return QValidator::Intermediate;
    return parseNumber(plain) ? QValidator::Acceptable : QValidator::Invalid;
}

} // namespace belvane
