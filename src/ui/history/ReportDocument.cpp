#include "ui/history/ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace belvane {

namespace {

// DejaVu carries every Portuguese letter and the symbols the documents use (º, ², ·).
const QString kDocumentFont = QStringLiteral("DejaVu Sans");

QString escaped(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString row(const QString& label, const QString& value, bool strong = false)
{
    const QString cell = strong ? QStringLiteral("<b>%1</b>") : QStringLiteral("%1");
    return QStringLiteral("<tr><td style='padding: 2px 18px 2px 0; color: #555555;'>%1</td>"
                          "<td style='padding: 2px 0;'>%2</td></tr>")
        .arg(escaped(label), cell.arg(escaped(value)));
}

QString notesSection(const QString& notes)
{
    if (notes.trimmed().isEmpty())
        return {};
    return QStringLiteral("<h3>Observações</h3><p>%1</p>").arg(escaped(notes));
}

// A section never split across two pages when it fits on one: a table of one cell, which the
// document moves whole to the next page rather than break (see ReportDocument::paint).
QString keptTogether(const QString& html)
{
    return QStringLiteral("<table width='100%' border='0' cellspacing='0' cellpadding='0'><tr><td>%1</td></tr></table>")
        .arg(html);
}

// One row of a payment table. The columns have fixed shares of the width, so the two parts of a
// schedule split across pages keep their columns in line.
QString scheduleRow(const ProposalInstalment& i, bool strong)
{
    const QString cell = QStringLiteral("<td width='%1' style='padding: 2px 14px 2px 0;%2'>%3</td>");
    const QString right = QStringLiteral(" text-align: right; white-space: nowrap;");
    const auto text = [strong](const QString& t) {
        return strong ? QStringLiteral("<b>%1</b>").arg(escaped(t)) : escaped(t);
    };
    return QStringLiteral("<tr>") + cell.arg(QStringLiteral("42%"), QString(), text(i.stage))
        + cell.arg(QStringLiteral("14%"), right, text(i.share)) + cell.arg(QStringLiteral("22%"), right, text(i.value))
        + cell.arg(QStringLiteral("22%"), QString(), text(i.due)) + QStringLiteral("</tr>");
}

QString scheduleTable(const QList<ProposalInstalment>& rows, bool withHeader, const ProposalInstalment* total)
{
    QString html = QStringLiteral("<table width='100%' border='0' cellspacing='0'>");
    if (withHeader)
        html += scheduleRow({QStringLiteral("Etapa"), QStringLiteral("%"), QStringLiteral("Valor"),
                             QStringLiteral("Vencimento")},
                            true);
    for (const ProposalInstalment& row : rows)
        html += scheduleRow(row, false);
    if (total)
        html += scheduleRow(*total, true);
    return html + QStringLiteral("</table>");
}

const QString kScheduleHeading = QStringLiteral("<h3>Cronograma de pagamento</h3>");

// So many of the last instalments stay on the signatures' page when a schedule has to be split.
constexpr qsizetype kInstalmentsWithSignatures = 3;

// The validity and room for the place, the date and both signatures.
QString closingBlock(const QString& validity)
{
    return QStringLiteral("<p>%1</p>").arg(escaped(validity))
        + QStringLiteral("<p><br>Local e data: ______________________________, ____/____/________</p>"
                         "<table width='100%' border='0'><tr><td width='50%' style='padding-top: "
                         "36px;'>______________________________<br>Contratante</td>"
                         "<td width='50%' style='padding-top: "
                         "36px;'>______________________________<br>Contratada</td></tr></table>");
}

// The schedule and the closing block: the signatures always share their page with the end of the
// schedule and its total, never standing alone on a page.
QString scheduleAndClosing(const PaymentTable& table, const QString& validity)
{
    if (table.isEmpty())
        return keptTogether(closingBlock(validity));
    const qsizetype head = std::max<qsizetype>(0, table.rows.size() - kInstalmentsWithSignatures);
    QString html;
    if (head > 0)
        html += keptTogether(kScheduleHeading + scheduleTable(table.rows.first(head), true, nullptr));
    const QString tail = scheduleTable(table.rows.sliced(head), head == 0, &table.total);
    return html + keptTogether((head == 0 ? kScheduleHeading : QString()) + tail + closingBlock(validity));
}

// The schedule's lines of a report as a table: caption, value at the right and due date; the last
// line is the total.
QString instalmentsTable(const QList<ReportLine>& lines)
{
    QList<ProposalInstalment> rows;
    for (const ReportLine& line : lines) {
        if (line.kind == ReportLine::Kind::Instalment)
            rows.append({line.caption.trimmed(), QString(), line.value, line.due});
    }
    if (rows.isEmpty())
        return {};
    const ProposalInstalment total = rows.takeLast();
    QString html = QStringLiteral("<table width='100%' border='0' cellspacing='0'>");
    const QString cell = QStringLiteral("<td width='%1' style='padding: 2px 14px 2px 0;%2'>%3</td>");
    const auto add = [&](const ProposalInstalment& i, bool strong) {
        const auto text = [strong](const QString& t) {
            return strong ? QStringLiteral("<b>%1</b>").arg(escaped(t)) : escaped(t);
        };
        html += QStringLiteral("<tr>") + cell.arg(QStringLiteral("50%"), QString(), text(i.stage))
            + cell.arg(QStringLiteral("22%"), QStringLiteral(" text-align: right; white-space: nowrap;"), text(i.value))
            + cell.arg(QStringLiteral("28%"), QString(), text(i.due)) + QStringLiteral("</tr>");
    };
    for (const ProposalInstalment& row : rows)
        add(row, false);
    add(total, true);
    return html + QStringLiteral("</table>");
}

} // namespace

QString reportDocumentKindName(ReportDocumentKind kind)
{
    return kind == ReportDocumentKind::ClientProposal ? QStringLiteral("Proposta ao cliente")
                                                      : QStringLiteral("Relatório interno");
}

QString proposalHtml(const ClientProposal& proposal)
{
    QString html = QStringLiteral("<h2>%1</h2><p style='color: #555555;'>%2</p>")
                       .arg(escaped(proposal.title), escaped(proposal.reference));
    if (!proposal.office.isEmpty())
        html += QStringLiteral("<p style='color: #555555;'>%1</p>").arg(escaped(proposal.office.join(u'\n')));
    html += QStringLiteral("<table>");
    for (const ProposalItem& item : proposal.items)
        html += row(item.label, item.value, item.emphasis);
    html += QStringLiteral("</table>");
    if (!proposal.scope.isEmpty()) {
        html += QStringLiteral("<h3>Escopo</h3><ul>");
        for (const QString& task : proposal.scope)
            html += QStringLiteral("<li>%1</li>").arg(escaped(task));
        html += QStringLiteral("</ul>");
    }
    // The observations come before the terms, so the document ends with what is signed.
    html += notesSection(proposal.notes);
    return html + scheduleAndClosing(proposal.instalments, proposal.validity);
}

QString internalReportHtml(const HistoryRowReport& report, const PriceCheck& priceCheck, const QString& notes,
                           const QDate& date)
{
    QString html = QStringLiteral("<h2>Relatório interno · %1</h2><p style='color: #555555;'>Emitido em %2</p><table>")
                       .arg(escaped(report.caption), date.toString(QStringLiteral("dd/MM/yyyy")));
    // On paper a line's caption and value become the two columns of a table; the payment
    // schedule, when the report has one, becomes a table of its own.
    const int scheduleStart = paymentLinesStart(report.lines);
    const QList<ReportLine> lines = scheduleStart < 0 ? report.lines : report.lines.first(scheduleStart);
    for (const ReportLine& line : lines) {
        switch (line.kind) {
        case ReportLine::Kind::Separator:
            html += QStringLiteral("<tr><td colspan='2'><hr></td></tr>");
            break;
        case ReportLine::Kind::Alone:
            html += QStringLiteral("<tr><td colspan='2' style='padding: 4px 0;'>%1</td></tr>").arg(escaped(line.text));
            break;
        case ReportLine::Kind::Value:
        case ReportLine::Kind::Instalment:
            html += row(line.caption.trimmed(), line.value.trimmed());
            break;
        }
    }
    html += QStringLiteral("</table>");
    if (scheduleStart >= 0)
        html += keptTogether(kScheduleHeading + instalmentsTable(report.lines.sliced(scheduleStart)));
    // The check's closing line ("Conferido com: ...") stays with its figures.
    QString check = QStringLiteral("<h3>Conferência do preço</h3><table>");
    check += row(PriceCheck::floorCaption(), priceCheck.floorText());
    check += row(QStringLiteral("Referência pela obra [R$]"), priceCheck.workReferenceText());
    check += row(QStringLiteral("Seu histórico [R$/m2]"), priceCheck.ownText());
    check += row(QStringLiteral("Conferência"), priceCheck.verdictWithDeparture(), true);
    check += QStringLiteral("</table><p style='color: #555555;'>%1</p>").arg(escaped(priceCheck.hint()));
    return html + keptTogether(check) + notesSection(notes);
}

namespace {

// Every section laid out as a table of one cell that would straddle two pages, and fits on one,
// starts on the next page. Sections are taken in order, each after the ones before it moved.
void keepSectionsTogether(QTextDocument& body, qreal pageHeight)
{
    for (QTextFrame* frame : body.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table || table->rows() != 1 || table->columns() != 1)
            continue;
        body.pageCount();   // lays the document out as it stands now
        const QRectF box = body.documentLayout()->frameBoundingRect(table);
        const bool straddles = std::floor(box.top() / pageHeight) != std::floor((box.bottom() - 1) / pageHeight);
        if (straddles && box.height() <= pageHeight) {
            QTextTableFormat format = table->format();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
        }
    }
}

} // namespace

ReportDocument::ReportDocument(QString officeName, QString bodyHtml)
    : m_officeName(std::move(officeName)), m_bodyHtml(std::move(bodyHtml))
{
}

int ReportDocument::paint(QPagedPaintDevice& device) const
{
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double mm = device.logicalDpiY() / 25.4;
    const double headerHeight = 16 * mm;
    const double footerHeight = 10 * mm;

    QTextDocument body;
    body.documentLayout()->setPaintDevice(&device);
    QFont font(kDocumentFont);
    font.setPointSizeF(10.5);
    body.setDefaultFont(font);
    body.setHtml(m_bodyHtml);
    const QSizeF bodySize(page.width(), page.height() - headerHeight - footerHeight);
    body.setPageSize(bodySize);
    keepSectionsTogether(body, bodySize.height());
    const int pages = body.pageCount();

    QFont headerFont(kDocumentFont);
    headerFont.setPointSizeF(13);
    headerFont.setBold(true);
    QFont footerFont(kDocumentFont);
    footerFont.setPointSizeF(8.5);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            device.newPage();
        painter.save();
        painter.setFont(headerFont);
        painter.setPen(QColor(0x20, 0x20, 0x20));
        painter.drawText(QRectF(0, 0, page.width(), headerHeight - 4 * mm), Qt::AlignLeft | Qt::AlignBottom,
                         m_officeName);
        painter.setPen(QPen(QColor(0xff, 0x80, 0x00), 0.6 * mm));
        painter.drawLine(QPointF(0, headerHeight - 2 * mm), QPointF(page.width(), headerHeight - 2 * mm));
        painter.setFont(footerFont);
        painter.setPen(QColor(0x60, 0x60, 0x60));
        painter.drawText(QRectF(0, page.height() - footerHeight, page.width(), footerHeight),
                         Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Página %1 de %2").arg(p + 1).arg(pages));
        painter.translate(0, headerHeight - p * bodySize.height());
        body.drawContents(&painter, QRectF(0, p * bodySize.height(), bodySize.width(), bodySize.height()));
        painter.restore();
    }
    painter.end();
    return pages;
}

} // namespace belvane
