#include "ui/history/ReportPanel.h"

#include "ui/history/HistoryControls.h"
#include "ui/history/RevisionsPanel.h"
#include "ui/widgets/NamedButton.h"
#include "ui/widgets/Theme.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace belvane {
namespace {

constexpr auto kMemoStyle = "background: #373737; color: white; border: 1px solid #55555c;";

QPushButton* panelButton(const char* name, const QString& caption, QWidget* parent)
{
    return namedButton(name, caption, parent);
}

} // namespace

ReportPanel::ReportPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("NxHeaderPanel14"));
    setStyleSheet(theme::accentFramedPanel(objectName(), "#2f2f33", 2));
    m_caption = new QLabel(QStringLiteral("Resumo"), this);
    m_caption->setFont(theme::displayFont(16, QFont::Bold));
    m_caption->setStyleSheet(theme::accented(QStringLiteral("color: @accent-light;")));

    m_report = new QTextEdit(this);
    m_report->setObjectName(QStringLiteral("memo1"));
    m_report->setReadOnly(true);
    m_report->setStyleSheet(QString::fromLatin1(kMemoStyle));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSize(12);
    m_report->setFont(verdana);

    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("Memo2"));
    m_notes->setStyleSheet(QString::fromLatin1(kMemoStyle));

    auto* copy = panelButton(controls::history::kCopyReport, QStringLiteral("Copiar para ClipBoard"), this);
    auto* close = m_close = panelButton(controls::history::kCloseReport, QStringLiteral("Fechar"), this);
    connect(copy, &QPushButton::clicked, this, &ReportPanel::copyClicked);
    connect(close, &QPushButton::clicked, this, &ReportPanel::closeClicked);
    // The paper versions of the report: the client's proposal or the office's internal report.
    m_documentKind = new QComboBox(this);
    m_documentKind->setObjectName(QStringLiteral("VersaoDocumento"));
    m_documentKind->addItems({QStringLiteral("Proposta ao cliente"), QStringLiteral("Relatório interno")});
    m_documentKind->setToolTip(QStringLiteral("Versão do documento a exportar ou imprimir"));
    auto* pdf = panelButton("ExportarPdf", QStringLiteral("Exportar PDF"), this);
    pdf->setToolTip(QStringLiteral("Salvar o orçamento como documento PDF"));
    auto* print = panelButton("Imprimir", QStringLiteral("Imprimir"), this);
    print->setToolTip(QStringLiteral("Imprimir o orçamento"));
    connect(pdf, &QPushButton::clicked, this, &ReportPanel::exportPdfClicked);
    connect(print, &QPushButton::clicked, this, &ReportPanel::printClicked);

    m_revisions = new RevisionsPanel(this);
    // Two versions chosen in "Revisões" are compared where the report stands.
    connect(m_revisions, &RevisionsPanel::comparingChanged, this, [this](bool comparing) {
        m_report->setVisible(!comparing);
        m_revisions->comparison()->setVisible(comparing);
        m_reportLabel->setText(comparing ? QStringLiteral("Comparação das versões (diferenças em destaque) :")
                                         : QStringLiteral("Resumo :"));
    });

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    m_reportLabel = new QLabel(QStringLiteral("Resumo :"), this);
    left->addWidget(m_reportLabel);
    left->addWidget(m_report, 1);
    left->addWidget(m_revisions->comparison(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Observações :"), this));
    right->addWidget(m_notes, 2);
    right->addWidget(m_revisions, 5);
    columns->addLayout(left, 5);
    columns->addLayout(right, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_documentKind);
    buttons->addWidget(pdf);
    buttons->addWidget(print);
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

void ReportPanel::showReport(const HistoryRowReport& report)
{
    m_report->clear();
    m_notes->clear();
    m_lines = report.lines;
    // One tab stop at 180 points (2.5 inches) lines the values up after their labels.
    QTextOption option = m_report->document()->defaultTextOption();
    option.setTabStopDistance(180.0 * m_report->logicalDpiX() / 72.0);
    m_report->document()->setDefaultTextOption(option);
    const QList<QTextOption::Tab> instalmentStops = instalmentTabs(report.lines);
    for (const ReportLine& line : report.lines)
        appendLine(line.text, theme::fromBgr(line.color),
                   line.kind == ReportLine::Kind::Instalment ? instalmentStops : QList<QTextOption::Tab>{});
    // Without a budget there is nothing to write observations about.
    m_notes->setReadOnly(!m_notesEditable || report.state != HistoryRowReport::State::Shown);
    if (report.state != HistoryRowReport::State::Shown)
        return;
    m_caption->setText(report.caption);
    m_notes->setPlainText(report.notes);
}

// The instalments' values end at one right edge, after the widest stage caption and no nearer
// than the other values' tab stop, with the due dates lined up after them.
QList<QTextOption::Tab> ReportPanel::instalmentTabs(const QList<ReportLine>& lines) const
{
    QFont font = m_report->document()->defaultFont();
    font.setPointSizeF(12);
    const QFontMetricsF metrics(font, m_report);
    const qreal point = m_report->logicalDpiX() / 72.0;
    qreal caption = 0, value = 0;
    for (const ReportLine& line : lines) {
        if (line.kind != ReportLine::Kind::Instalment)
            continue;
        caption = std::max(caption, metrics.horizontalAdvance(line.caption));
        value = std::max(value, metrics.horizontalAdvance(line.value));
    }
    const qreal right = std::max(180.0 * point, caption + 6 * point) + value;
    return {QTextOption::Tab(right, QTextOption::RightTab), QTextOption::Tab(right + 12 * point, QTextOption::LeftTab)};
}

void ReportPanel::appendLine(const QString& text, const QColor& colour, const QList<QTextOption::Tab>& tabs)
{
    QTextCursor cursor(m_report->document());
    cursor.movePosition(QTextCursor::End);
    if (!m_report->document()->isEmpty())
        cursor.insertBlock();
    QTextBlockFormat block;
    block.setTabPositions(tabs);
    cursor.setBlockFormat(block);
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontPointSize(12);
    cursor.insertText(text, format);
}

QString ReportPanel::caption() const
{
    return m_caption->text();
}

QString ReportPanel::reportText() const
{
    return m_report->toPlainText();
}

int ReportPanel::documentKind() const
{
    return m_documentKind->currentIndex();
}

QString ReportPanel::notes() const
{
    return m_notes->toPlainText();
}

void ReportPanel::setNotesEditable(bool editable)
{
    m_notesEditable = editable;
    m_notes->setReadOnly(!editable);
}

void ReportPanel::setProposalValueNegotiated(bool negotiated)
{
    m_documentKind->setItemText(0,
                                negotiated ? QStringLiteral("Proposta ao cliente (valor negociado)")
                                           : QStringLiteral("Proposta ao cliente (valor calculado)"));
}

} // namespace belvane
