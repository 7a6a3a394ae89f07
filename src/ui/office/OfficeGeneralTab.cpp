#include "ui/office/OfficeGeneralTab.h"

#include "core/budget/TextFieldCapacities.h"
#include "core/office/OfficeRecord.h"
#include "core/tables/ReferenceTables.h"
#include "core/text/Clock.h"
#include "ui/office/MonthlyHoursSpin.h"
#include "ui/office/NoteSwitch.h"
#include "ui/office/OfficeContactPanel.h"
#include "ui/office/OfficeControls.h"
#include "ui/office/OfficeNotes.h"
#include "ui/office/PriceReferencesPanel.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NumberEdit.h"
#include "ui/widgets/TextCapacityLimit.h"
#include "ui/widgets/Theme.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace belvane {
namespace {

using Kind = EditableGrid::Kind;

QList<EditableGrid::Column> manHoursColumns()
{
    EditableGrid::Column category{QStringLiteral("Categoria \\ Complex."), Kind::Text};
    category.editable = false;
    category.alignment = Qt::AlignCenter;
    QList<EditableGrid::Column> columns{category};
    for (const QString& level : {QStringLiteral("Baixa"), QStringLiteral("Média"), QStringLiteral("Alta")}) {
        EditableGrid::Column hours{level, Kind::Integer};
        // The table is stored as 16-bit whole numbers.
        hours.maximum = 65535;
        hours.width = 90;
        columns << hours;
    }
    return columns;
}

QPlainTextEdit* makeNote(const char* name, const QString& text, QWidget* parent)
{
    auto* note = new QPlainTextEdit(text, parent);
    note->setObjectName(QString::fromLatin1(name));
    note->setReadOnly(true);
    note->setLineWrapMode(QPlainTextEdit::NoWrap);
    return note;
}

// The line edit inside a spin box, where the mouse actually lands.
QLineEdit* editorOf(QWidget* spin)
{
    return spin->findChild<QLineEdit*>();
}

} // namespace

OfficeGeneralTab::OfficeGeneralTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabE_Dados"));
    m_officePanel = buildOfficePanel();
    m_priceReferences = new PriceReferencesPanel(this);
    m_manHoursPanel = buildManHoursPanel();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(m_officePanel, 1);
    left->addWidget(m_priceReferences);
    layout->addLayout(left, 9);
    m_contact = new OfficeContactPanel(this);
    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(m_manHoursPanel, 1);
    right->addWidget(m_contact);
    layout->addLayout(right, 11);
    connect(m_priceReferences, &PriceReferencesPanel::edited, this, &OfficeGeneralTab::edited);
    connect(m_contact, &OfficeContactPanel::edited, this, &OfficeGeneralTab::edited);

    // A click into any of these counts as an edit of the office, even before a value changes.
    for (QObject* clickable : std::initializer_list<QObject*>{m_name, m_taxRate, editorOf(m_taxRate),
                                                               m_manHours->viewport()})
        clickable->installEventFilter(this);
    for (QRadioButton* regime : {m_simples, m_presumido, m_outros})
        connect(regime, &QRadioButton::clicked, this, &OfficeGeneralTab::countClickAsEdit);
    // Typing reaches these fields without a click too; the office is then just as modified.
    connect(m_name, &QLineEdit::textEdited, this, &OfficeGeneralTab::edited);
    connect(editorOf(m_taxRate), &QLineEdit::textEdited, this, &OfficeGeneralTab::edited);
    connect(m_manHours, &EditableGrid::afterEdit, this, &OfficeGeneralTab::edited);
    connect(m_standard, &QComboBox::activated, this, &OfficeGeneralTab::showStandardFactor);
}

QGroupBox* OfficeGeneralTab::buildOfficePanel()
{
    auto* panel = new QGroupBox(QStringLiteral("Escritório"), this);
    panel->setObjectName(QStringLiteral("NxHeaderPanel6"));
    m_name = new QLineEdit(panel);
    m_name->setObjectName(QStringLiteral("E_Nome"));
    limitToCapacity(m_name, textCapacity::kOfficeName);
    m_taxRate = new NumberEdit(QStringLiteral("E_imposto"), QStringLiteral("0.00"), panel);
    m_hours = new MonthlyHoursSpin(QStringLiteral("E_HoraMensal"), panel);
    m_utilization = new NumberEdit(QStringLiteral("E_Kuh"), QStringLiteral("#0.#"), panel);
    m_utilization->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    m_utilization->setRange(50, 100);
    m_utilization->setSingleStep(1);
    m_utilization->setValue(100);
    m_standard = new QComboBox(panel);
    m_standard->setObjectName(QStringLiteral("E_padrao"));
    m_standard->addItems({QStringLiteral("A+"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    m_standard->setCurrentIndex(-1);
    m_factor = new NumberEdit(QStringLiteral("E_Fp"), QStringLiteral("#0.00"), panel);
    m_factor->setDisplayOnly(true);
    m_factor->setValue(1.0);
    m_standardsNote = makeNote("NxMemo5", officeStandardsNote(), panel);
    auto* standardsSwitch = new NoteSwitch(QLatin1String(controls::office::kStandardsNoteSwitch),
                                           QStringLiteral("+ Padrões de Escritórios"),
                                           QStringLiteral("-  Padrões de Escritórios"), panel);
    connect(standardsSwitch, &NoteSwitch::statusChanged, this, &OfficeGeneralTab::showStandardsNote);
    m_updatedOn = new QLineEdit(panel);
    m_updatedOn->setObjectName(QStringLiteral("E_data"));
    m_updatedOn->setReadOnly(true);
    for (QWidget* field : std::initializer_list<QWidget*>{m_taxRate, m_hours, m_utilization, m_standard, m_factor,
                                                          m_updatedOn})
        field->setFixedWidth(110);

    auto* form = new QGridLayout(panel);
    form->setContentsMargins(12, 16, 12, 12);
    form->setVerticalSpacing(8);
    form->setColumnStretch(1, 1);
    const auto addRow = [&](int row, const QString& caption, QWidget* field, Qt::Alignment align = Qt::AlignLeft) {
        auto* label = new QLabel(caption, panel);
        form->addWidget(label, row, 0);
        form->addWidget(field, row, 1, align);
        return label;
    };
    addRow(0, QStringLiteral("Nome do escritório"), m_name, {});
    addRow(1, QStringLiteral("Regime de impostos"), buildRegimeRow(panel));
    addRow(2, QStringLiteral("Impostos [%] "), m_taxRate);
    addRow(3, QStringLiteral("Horas mensais trabalhadas "), m_hours);
    QLabel* utilizationLabel = addRow(4, QStringLiteral("Utilização[%] "), m_utilization);
    addRow(5, QStringLiteral("Padrão do escritório"), m_standard);
    QLabel* factorLabel = addRow(6, QStringLiteral("Fe"), m_factor);
    // Utilisation and Fe are kept in the record but not offered on the page.
    for (QWidget* hidden : std::initializer_list<QWidget*>{utilizationLabel, m_utilization, factorLabel, m_factor})
        hidden->hide();
    form->addWidget(standardsSwitch, 7, 0, 1, 2, Qt::AlignLeft);
    form->addWidget(m_standardsNote, 8, 0, 1, 2);
    form->setRowStretch(8, 1);
    addRow(9, QStringLiteral("Atualizado em "), m_updatedOn);
    return panel;
}

QWidget* OfficeGeneralTab::buildRegimeRow(QWidget* parent)
{
    auto* row = new QWidget(parent);
    m_simples = new QRadioButton(QStringLiteral("Simples"), row);
    m_simples->setObjectName(QStringLiteral("E_regime"));
    m_presumido = new QRadioButton(QStringLiteral("Lucro presumido"), row);
    m_presumido->setObjectName(QStringLiteral("AbLED8"));
    m_outros = new QRadioButton(QStringLiteral("Outros"), row);
    m_outros->setObjectName(QStringLiteral("AbLED9"));
    // A plain dark radio dot hardly shows which regime is on; the chosen one is filled.
    row->setStyleSheet(theme::accented(QStringLiteral(
        "QRadioButton::indicator { width: 12px; height: 12px; border-radius: 7px; border: 1px solid #9a9aa0;"
        "  background: #1f1f22; }"
        "QRadioButton::indicator:checked { background: @accent; border: 1px solid #ffd0a0; }"
        "QRadioButton::indicator:hover { border-color: @accent-light; }")));
    auto* group = new QButtonGroup(row);
    group->setObjectName(QStringLiteral("regimeGroup"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    for (QRadioButton* regime : {m_simples, m_presumido, m_outros}) {
        group->addButton(regime);
        layout->addWidget(regime);
    }
    layout->addStretch(1);
    m_simples->setChecked(true);
    return row;
}

QGroupBox* OfficeGeneralTab::buildManHoursPanel()
{
    auto* panel = new QGroupBox(QStringLiteral("Recursos de H x h para realização de tarefas "), this);
    panel->setObjectName(QStringLiteral("NxHeaderPanel7"));
    auto* defaults = new ClickableLabel(QStringLiteral("Label49"), QStringLiteral("🗎"),
                                        QStringLiteral("Carrega valores default"), panel);
    connect(defaults, &ClickableLabel::clicked, this, &OfficeGeneralTab::takeDefaultManHours);
    m_manHours = new EditableGrid(QStringLiteral("Ng6"), manHoursColumns(), panel);
    m_manHours->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_manHours->setFixedHeight(m_manHours->horizontalHeader()->sizeHint().height()
                               + kHxhCategories * m_manHours->verticalHeader()->defaultSectionSize() + 4);
    m_manHoursNote = makeNote("NxMemo3", manHoursNote(), panel);
    auto* noteSwitch =
        new NoteSwitch(QLatin1String(controls::office::kManHoursNoteSwitch),
                       QStringLiteral("+ Recursos de Hxh"), QStringLiteral("-  Recursos de Hxh"), panel);
    connect(noteSwitch, &NoteSwitch::statusChanged, this, &OfficeGeneralTab::showManHoursNote);

    auto* bar = new QHBoxLayout;
    bar->addWidget(noteSwitch);
    bar->addStretch(1);
    bar->addWidget(defaults);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 16, 12, 12);
    layout->addLayout(bar);
    layout->addWidget(m_manHours);
    layout->addWidget(m_manHoursNote, 1);
    layout->addStretch(0);
    return panel;
}

std::uint8_t OfficeGeneralTab::regimeStatus() const
{
    std::uint8_t status = 0;
    if (m_simples->isChecked())
        status |= kRegimeSimples;
    if (m_presumido->isChecked())
        status |= kRegimeLucroPresumido;
    if (m_outros->isChecked())
        status |= kRegimeOutros;
    return status;
}

void OfficeGeneralTab::showOffice(const TOfficeData& office)
{
    m_name->setText(office.Name.toQString());
    m_updatedOn->setText(office.UpdatedOn.toQString());
    // Each indicator shows its own bit, so a record without a regime leaves all three off.
    auto* group = m_simples->group();
    group->setExclusive(false);
    m_simples->setChecked(office.TaxRegime & kRegimeSimples);
    m_presumido->setChecked(office.TaxRegime & kRegimeLucroPresumido);
    m_outros->setChecked(office.TaxRegime & kRegimeOutros);
    group->setExclusive(true);
    m_taxRate->setValue(office.TaxRate);
    m_standard->setCurrentIndex(m_standard->findText(office.OfficeStandard.toQString()));
    // The stored factor wins over the one the standard would give.
    m_factor->setValue(office.StandardFactor);
    m_hours->setValue(office.MonthlyHours);
    m_utilization->setValue(office.Utilization);

    m_manHours->removeAllRows();
    for (int r = 0; r < kHxhCategories; ++r) {
        const int row = m_manHours->appendRow();
        m_manHours->setCellText({row, 0}, QString::number(office.HxhTable[r][0]));
        for (int c = 1; c < 4; ++c)
            m_manHours->setCellNumber({row, c}, office.HxhTable[r][c]);
    }
}

void OfficeGeneralTab::collectInto(TOfficeData& office) const
{
    office.Name.assign(m_name->text());
    office.ReservedText.clear();
    office.UpdatedOn.assign(Clock::today().toString(QStringLiteral("dd/MM/yyyy")));
    office.TaxRegime = regimeStatus();
    office.TaxRate = static_cast<float>(m_taxRate->value());
    office.OfficeStandard.assign(m_standard->currentText().left(2));
    // No standard chosen is stored as index 255.
    office.OfficeStandardIndex = static_cast<std::uint8_t>(m_standard->currentIndex());
    office.StandardFactor = static_cast<float>(m_factor->value());
    office.MonthlyHours = static_cast<std::uint16_t>(m_hours->value());
    office.Utilization = static_cast<float>(m_utilization->value());
    for (int r = 0; r < std::min(kHxhCategories, m_manHours->rowCount()); ++r) {
        for (int c = 0; c < 4; ++c) {
            const double hours = m_manHours->cellNumber({r, c}).value_or(0.0);
            office.HxhTable[r][c] = static_cast<std::uint16_t>(std::clamp(hours, 0.0, 65535.0));
        }
    }
}

void OfficeGeneralTab::commitOpenEdits()
{
    m_manHours->commitOpenEditor();
    m_taxRate->interpretText();
    m_priceReferences->commitOpenEdits();
}

void OfficeGeneralTab::takeDefaultManHours()
{
    // The user's choice replaces the table: the office is changed.
    showDefaultManHours();
    emit edited();
}

void OfficeGeneralTab::showDefaultManHours()
{
    m_manHours->removeAllRows();
    for (int r = 0; r < kHxhCategories; ++r) {
        const int row = m_manHours->appendRow();
        m_manHours->setCellText({row, 0}, QString::number(r + 1));
        for (int level = 1; level < 4; ++level)
            m_manHours->setCellNumber({row, level}, hxhDefault(r + 1, level));
    }
}

void OfficeGeneralTab::showStandardFactor()
{
    m_factor->setValue(standardFactorOf(m_standard->currentText()));
    emit edited();
}

void OfficeGeneralTab::showStandardsNote(bool on)
{
    m_standardsNote->setVisible(on);
}

void OfficeGeneralTab::showManHoursNote(bool on)
{
    m_manHoursNote->setVisible(on);
}

void OfficeGeneralTab::countClickAsEdit()
{
    emit edited();
}

bool OfficeGeneralTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        countClickAsEdit();
    return QWidget::eventFilter(watched, event);
}

} // namespace belvane
