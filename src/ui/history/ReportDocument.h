#pragma once
// A saved budget as a paper document, for the PDF file or the printer, in one of two versions:
// the proposal the office sends to its client, or the full internal report with the costs, tax,
// profit and negotiated figures, both with the payment schedule and its total. Pages are A4, with
// the office's name at the top of each and the page number at the foot. A section the body lays
// out as a table of one cell (the schedule's end with the signatures, the price check with its
// closing line) is never split across pages when it fits on one.
#include "core/history/ClientProposal.h"
#include "core/history/HistoryRowReport.h"
#include "core/pricing/PriceCheck.h"

#include <QString>

class QPagedPaintDevice;

namespace belvane {

enum class ReportDocumentKind { ClientProposal = 0, InternalReport = 1 };

// The version names as the report panel offers them.
QString reportDocumentKindName(ReportDocumentKind kind);

// The body of each version as rich text.
QString proposalHtml(const ClientProposal& proposal);
// The office's own report carries the price check of the budget too; the client's never does.
QString internalReportHtml(const HistoryRowReport& report, const PriceCheck& check, const QString& notes,
                           const QDate& date);

class ReportDocument {
public:
    ReportDocument(QString officeName, QString bodyHtml);

    // Lays the document out on the device's page and paints every page; returns the page count
    // (0 when the device could not be painted on).
    int paint(QPagedPaintDevice& device) const;

private:
    QString m_officeName;
    QString m_bodyHtml;
};

} // namespace belvane
