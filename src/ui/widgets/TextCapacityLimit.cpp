#include "ui/widgets/TextCapacityLimit.h"

#include "core/text/TextCapacity.h"
#include "ui/widgets/InputHint.h"

#include <QLineEdit>
#include <QValidator>

namespace belvane {
namespace {

// Refuses any change whose result would not fit, so a paste is taken whole or not at all (a
// length limit on the edit would keep the paste's beginning without a word). A text already
// longer than the capacity when it was shown (an older file) may still be shortened. Remembers
// how long the refused text was, for the hint.
class CapacityValidator : public QValidator {
public:
    CapacityValidator(int capacity, QObject* parent) : QValidator(parent), m_capacity(capacity) {}

    State validate(QString& input, int&) const override
    {
        const int length = storedLength(input);
        if (length <= m_capacity || length <= m_shownLength)
            return Acceptable;
        m_refusedLength = length;
        return Invalid;
    }
    int capacity() const { return m_capacity; }
    int refusedLength() const { return m_refusedLength; }
    void shown(const QString& text) { m_shownLength = storedLength(text); }

private:
    int m_capacity;
    int m_shownLength = 0;
    mutable int m_refusedLength = 0;
};

} // namespace

QString capacityHint(int capacity)
{
    return QStringLiteral("Até %1 caracteres.").arg(capacity);
}

void limitToCapacity(QLineEdit* edit, int capacity)
{
    auto* validator = new CapacityValidator(capacity, edit);
    edit->setValidator(validator);
    edit->setToolTip(capacityHint(capacity));
    validator->shown(edit->text());
    QObject::connect(edit, &QLineEdit::textChanged, edit, [validator](const QString& text) { validator->shown(text); });
    QObject::connect(edit, &QLineEdit::inputRejected, edit, [edit, validator] {
        // One key more than the field holds needs only the limit; a longer paste is told apart.
        const int refused = validator->refusedLength();
        const QString hint = refused > validator->capacity() + 1
                                 ? QStringLiteral("Até %1 caracteres: o texto colado teria %2 e não foi inserido.")
                                       .arg(validator->capacity())
                                       .arg(refused)
                                 : capacityHint(validator->capacity());
        showInputHint(edit, hint);
    });
}

} // namespace belvane
