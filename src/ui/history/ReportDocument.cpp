#include "ui/history/ReportDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

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
    if (!proposal.instalments.isEmpty()) {
        const QString cell = QStringLiteral("<td style='padding: 2px 14px 2px 0;%2'>%1</td>");
        const QString right = QStringLiteral(" text-align: right;");
        html += QStringLiteral("<h3>Cronograma de pagamento</h3><table><tr>")
            + cell.arg(QStringLiteral("<b>Etapa</b>"), {}) + cell.arg(QStringLiteral("<b>%</b>"), right)
            + cell.arg(QStringLiteral("<b>Valor</b>"), right)
            + cell.arg(QStringLiteral("<b>Vencimento</b>"), {}) + QStringLiteral("</tr>");
        for (const ProposalInstalment& i : proposal.instalments) {
            html += QStringLiteral("<tr>") + cell.arg(escaped(i.stage), {})
                + cell.arg(escaped(i.share), right) + cell.arg(escaped(i.value), right)
                + cell.arg(escaped(i.due), {}) + QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    html += notesSection(proposal.notes);
    html += QStringLiteral("<p>%1</p>").arg(escaped(proposal.validity));
    // Room for the place, the date and both signatures.
    html += QStringLiteral("<p><br>Local e data: ______________________________, ____/____/________</p>"
                           "<table width='100%'><tr><td width='50%' style='padding-top: "
                           "36px;'>______________________________<br>Contratante</td>"
                           "<td width='50%' style='padding-top: "
                           "36px;'>______________________________<br>Contratada</td></tr></table>");
    return html;
}

QString internalReportHtml(const HistoryRowReport& report, const PriceCheck& check, const QString& notes,
                           const QDate& date)
{
    QString html = QStringLiteral("<h2>Relatório interno · %1</h2><p style='color: #555555;'>Emitido em %2</p><table>")
                       .arg(escaped(report.caption), date.toString(QStringLiteral("dd/MM/yyyy")));
    // On paper a line's caption and value become the two columns of a table.
    for (const ReportLine& line : report.lines) {
        switch (line.kind) {
        case ReportLine::Kind::Separator:
            html += QStringLiteral("<tr><td colspan='2'><hr></td></tr>");
            break;
        case ReportLine::Kind::Alone:
            html += QStringLiteral("<tr><td colspan='2' style='padding: 4px 0;'>%1</td></tr>").arg(escaped(line.text));
            break;
        case ReportLine::Kind::Value:
            html += row(line.caption.trimmed(), line.value.trimmed());
            break;
        }
    }
    html += QStringLiteral("</table><h3>Conferência do preço</h3><table>");
    html += row(PriceCheck::floorCaption(), check.floorText());
    html += row(QStringLiteral("Referência pela obra [R$]"), check.workReferenceText());
    html += row(QStringLiteral("Seu histórico [R$/m2]"), check.ownText());
    html += row(QStringLiteral("Conferência"), check.verdictWithDeparture(), true);
    html += QStringLiteral("</table><p style='color: #555555;'>%1</p>").arg(escaped(check.hint()));
    return html + notesSection(notes);
}

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
