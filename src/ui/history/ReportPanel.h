#pragma once
// The report panel over the history grid: the coloured report of a saved budget, the row's
// observations, "Copiar para ClipBoard" and "Fechar".
#include "core/history/HistoryRowReport.h"

#include <QFrame>
#include <QTextOption>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace belvane {

class RevisionsPanel;

class ReportPanel : public QFrame {
    Q_OBJECT
public:
    explicit ReportPanel(QWidget* parent);
    QPushButton* closeButton() const { return m_close; }
    RevisionsPanel* revisions() const { return m_revisions; }

    // Fills the panel from a row's report. A missing file shows the single "not found" line and
    // empty observations, and leaves the caption as it was.
    void showReport(const HistoryRowReport& report);
    QString caption() const;
    QString reportText() const;   // memo1, line by line, without colours
    // The lines of the report shown, from which every copy of it is made.
    const QList<ReportLine>& lines() const { return m_lines; }
    QString notes() const;        // Memo2
    // The version chosen for the document: 0 the proposal to the client, 1 the internal report.
    int documentKind() const;
    void setNotesEditable(bool editable);
    // The chooser says which value the proposal to the client carries.
    void setProposalValueNegotiated(bool negotiated);

signals:
    void copyClicked();
    void closeClicked();
    void exportPdfClicked();
    void printClicked();

private:
    void appendLine(const QString& text, const QColor& colour, const QList<QTextOption::Tab>& tabs = {});
    QList<QTextOption::Tab> instalmentTabs(const QList<ReportLine>& lines) const;

    QList<ReportLine> m_lines;
    QLabel* m_caption;
    QLabel* m_reportLabel; // "Resumo :", or what the comparison shows
    RevisionsPanel* m_revisions;
    QTextEdit* m_report;       // memo1
    QPlainTextEdit* m_notes;   // Memo2
    QComboBox* m_documentKind;
    QPushButton* m_close;      // SpeedButton7
    bool m_notesEditable = true;
};

} // namespace belvane
