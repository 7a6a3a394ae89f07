#include "core/history/HistoryFile.h"

#include "core/history/HistoryCellText.h"
#include "core/history/HistoryTable.h"
#include "core/history/HistoryTextDecoding.h"
#include "core/storage/SafeFile.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <string>

namespace belvane {

namespace {

// Walks the text unit by unit and fills the table, noting every departure from the format. The
// fields of a line are gathered in one buffer and the row is made when the line ends.
class HistoryLineReader {
public:
    HistoryLineReader(HistoryTable& table, const QString& path, QList<HistoryFileProblem>& problems)
        : m_table(table), m_path(QDir::toNativeSeparators(path)), m_problems(problems)
    {
        m_text.reserve(4096);
    }

    void read(QStringView text)
    {
        const char16_t* unit = text.utf16();
        const char16_t* const end = unit + text.size();
        while (unit < end) {
            // Runs of ordinary characters, most of the file, are taken whole.
            const char16_t* run = unit;
            while (run < end && !isSpecial(*run))
                ++run;
            if (run != unit) {
                m_text.append(unit, std::size_t(run - unit));
                m_lineHasContent = true;
                unit = run;
            } else {
                take(QChar(*unit++));
            }
        }
        // Text after the last line end is a row the writer did not finish; it is kept.
        if (m_lineHasContent) {
            report(QStringLiteral("a linha não termina com a quebra de linha que o programa "
                                  "grava (o arquivo parece cortado); foi lida assim mesmo."));
            endField();
            endLine();
        }
    }

private:
    static constexpr std::array<bool, 128> specials()
    {
        std::array<bool, 128> table{};
        for (const char16_t unit : {u'\r', u'\n', u',', u'|', u'"'})
            table[unit] = true;
        return table;
    }

    static bool isSpecial(char16_t unit)
    {
        static constexpr std::array<bool, 128> kSpecial = specials();
        return unit < kSpecial.size() && kSpecial[unit];
    }

    void take(QChar unit)
    {
        switch (unit.unicode()) {
        case u'\r':
            return;
        case u'\n':
            if (m_lineHasContent)
                endField();
            endLine();
            return;
        case u',':
            if (m_quotes % 2 != 0)
                m_text += u',';
            else
                endField();
            break;
        case u'|':
            m_text += u"\r\n";
            break;
        case u'"':
            ++m_quotes;
            // The first mark of a field opens it; of each doubled pair inside, one is text.
            if ((m_quotes % 2 != 0 && qsizetype(m_text.size()) > m_fieldStart) || m_quotes == 3)
                m_text += u'"';
            break;
        default:
            m_text += unit.unicode();
            break;
        }
        m_lineHasContent = true;
    }

    void endField()
    {
        m_quotes = 0;
        if (m_fields < kHistoryColumnCount)
            m_ends[static_cast<std::size_t>(m_fields)] = qsizetype(m_text.size());
        else
            m_text.resize(std::size_t(m_fieldStart));  // a field beyond the last column is not kept
        ++m_fields;
        m_fieldStart = qsizetype(m_text.size());
    }

    void endLine()
    {
        if (!m_lineHasContent)
            report(QStringLiteral("a linha está vazia e foi deixada de lado."));
        else
            storeRow();
        m_text.clear();
        m_fields = 0;
        m_fieldStart = 0;
        m_lineHasContent = false;
        ++m_line;
    }

    void storeRow()
    {
        std::array<QStringView, kHistoryColumnCount> texts;
        qsizetype start = 0;
        for (int column = 0; column < std::min(m_fields, kHistoryColumnCount); ++column) {
            const qsizetype end = m_ends[static_cast<std::size_t>(column)];
            texts[static_cast<std::size_t>(column)] = QStringView(m_text.data() + start, end - start);
            start = end;
        }
        const quint32 unconverted = m_table.appendRowFromTexts(texts);
        for (int column = 0; column < kHistoryColumnCount; ++column)
            checkCell(column, texts[static_cast<std::size_t>(column)], unconverted & (1u << column));
        if (m_fields > kHistoryColumnCount) {
            report(QStringLiteral("a linha tem %1 campos, mais que os %2 do histórico; só os %2 "
                                  "primeiros foram lidos.").arg(m_fields).arg(kHistoryColumnCount));
        } else if (m_fields < kHistoryColumnCount) {
            report(QStringLiteral("a linha tem só %1 de %2 campos; as colunas que faltam ficaram "
                                  "vazias.").arg(m_fields).arg(kHistoryColumnCount));
        }
    }

    void checkCell(int column, QStringView text, bool unconverted)
    {
        const HistoryCellKind kind = historyColumn(column).kind;
        if (unconverted) {
            report(kind == HistoryCellKind::Number
                       ? QStringLiteral("o valor \"%1\" da coluna \"%2\" não é um número; a célula "
                                        "ficou com 0.").arg(text, historyHeader(column))
                       : QStringLiteral("o valor \"%1\" da coluna \"%2\" não é uma data; a célula "
                                        "ficou vazia.").arg(text, historyHeader(column)));
        } else if (column == kColNumber && column < m_fields && !readHistoryBudgetNumber(text)) {
            report(QStringLiteral("a coluna \"%1\" deveria trazer o número do orçamento, mas traz "
                                  "\"%2\".").arg(historyHeader(column), text));
        } else if (kind == HistoryCellKind::CheckBox && !isPlainCheckText(text)) {
            report(QStringLiteral("o valor \"%1\" da coluna \"%2\" não é True nem False; a caixa "
                                  "ficou desmarcada.").arg(text, historyHeader(column)));
        }
    }

    void report(const QString& what)
    {
        m_problems.append({m_line, QStringLiteral("Linha %1 do histórico \"%2\": %3")
                                       .arg(m_line).arg(m_path, what)});
    }

    HistoryTable& m_table;
    const QString m_path;
    QList<HistoryFileProblem>& m_problems;
    std::u16string m_text;                                // the fields of the line so far
    std::array<qsizetype, kHistoryColumnCount> m_ends{};  // where each field ends in m_text
    qsizetype m_fieldStart = 0;
    int m_fields = 0;
    int m_quotes = 0;
    bool m_lineHasContent = false;
    int m_line = 1;
};

} // namespace

HistoryReadResult ReadHistoryFile(HistoryTable& table, const QByteArray& bytes, const QString& path)
{
    table.clear();
    HistoryReadResult result;
    result.path = path;
    DecodedHistoryText decoded = decodeHistoryText(bytes, path);
    for (const QString& note : decoded.notes)
        result.problems.append({0, note});
    HistoryLineReader(table, path, result.problems).read(decoded.text);
    return result;
}

HistoryReadResult ReadHistoryFile(HistoryTable& table, QIODevice& device, const QString& path)
{
    return ReadHistoryFile(table, device.readAll(), path);
}

HistoryReadResult ReadHistoryFile(HistoryTable& table, const QString& path)
{
    const ReadOutcome read = readWholeFile(path);
    if (read.ok())
        return ReadHistoryFile(table, read.bytes, path);
    table.clear();
    HistoryReadResult result;
    result.path = path;
    result.state = read.state == ReadOutcome::State::Missing ? HistoryReadResult::State::Missing
                                                               : HistoryReadResult::State::Failed;
    if (result.state == HistoryReadResult::State::Failed)
        result.error = read.error;
    return result;
}

} // namespace belvane
