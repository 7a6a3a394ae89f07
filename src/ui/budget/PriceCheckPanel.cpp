#include "ui/budget/PriceCheckPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace belvane {
namespace {

QLineEdit* display(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// Red stops, amber warns, green reassures; the text is dark on every one of them.
QString verdictColour(PriceCheck::Verdict verdict)
{
    switch (verdict) {
    case PriceCheck::Verdict::BelowFloor:
        return QStringLiteral("#e5484d");
    case PriceCheck::Verdict::OutsideOwnRange:
    case PriceCheck::Verdict::FarFromWorkReference:
        return QStringLiteral("#f2c14e");
    case PriceCheck::Verdict::WithinReferences:
        break;
    }
    return QStringLiteral("#46a758");
}

} // namespace

PriceCheckPanel::PriceCheckPanel(QWidget* parent) : QGroupBox(QStringLiteral("Conferência do preço"), parent)
{
    setObjectName(QStringLiteral("PriceCheckPanel"));
    m_floor = display("PC_floor", this);
    m_work = display("PC_cau", this);
    m_own = display("PC_own", this);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("PC_verdict"));
    m_verdict->setAlignment(Qt::AlignCenter);
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("PC_hint"));
    m_hint->setWordWrap(true);
    m_hint->setStyleSheet(QStringLiteral("color: #b8b8be;"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 14, 10, 8);
    grid->setVerticalSpacing(4);
    const struct {
        QLineEdit* field;
        QString caption;
    } rows[] = {
        {m_floor, PriceCheck::floorCaption()},
        {m_work, QStringLiteral("Referência pela obra [R$]")},
    };
    int row = 0;
    for (const auto& r : rows) {
        // The floor's caption is long: it takes two lines rather than the figures' room.
        auto* caption = new QLabel(r.caption, this);
        caption->setWordWrap(true);
        grid->addWidget(caption, row, 0);
        grid->addWidget(r.field, row++, 1);
    }
    // The office's own prices take a sentence: it gets the whole width under its caption.
    grid->addWidget(new QLabel(QStringLiteral("Seu histórico [R$/m2]"), this), row++, 0, 1, 2);
    m_own->setAlignment(Qt::AlignLeft);
    grid->addWidget(m_own, row++, 0, 1, 2);
    grid->addWidget(m_verdict, row++, 0, 1, 2);
    grid->addWidget(m_hint, row, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    clear();
}

void PriceCheckPanel::clear()
{
    for (QLineEdit* field : {m_floor, m_work, m_own})
        field->clear();
    m_verdict->clear();
    m_verdict->setStyleSheet({});
    m_hint->clear();
}

void PriceCheckPanel::showCheck(const PriceCheck& check)
{
    m_floor->setText(check.floorText());
    m_work->setText(check.workReferenceText());
    m_work->setCursorPosition(0);
    m_own->setText(check.ownText());
    m_own->setCursorPosition(0);
    m_verdict->setText(check.verdictWithDeparture());
    m_verdict->setStyleSheet(QStringLiteral("background: %1; color: black; font-weight: bold; padding: 3px;")
                                 .arg(verdictColour(check.verdict)));
    m_hint->setText(check.hint());
}

} // namespace belvane
