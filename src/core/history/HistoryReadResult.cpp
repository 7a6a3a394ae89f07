#include "core/history/HistoryReadResult.h"

#include <QDir>

#include <algorithm>

namespace belvane {

namespace {

// Long lists of lines would fill the screen; the first ones are enough to find the trouble.
constexpr int kLinesNamed = 20;

QString lineList(const QList<int>& lines)
{
    QStringList names;
    const int shown = std::min<int>(static_cast<int>(lines.size()), kLinesNamed);
    for (int i = 0; i < shown; ++i)
        names.append(QString::number(lines[i]));
    QString text = names.join(QStringLiteral(", "));
    if (lines.size() > shown)
        text += QStringLiteral(" e mais %1").arg(lines.size() - shown);
    return text;
}

} // namespace

QList<int> HistoryReadResult::damagedLines() const
{
    QList<int> lines;
    for (const HistoryFileProblem& problem : problems) {
        if (problem.line > 0)
            lines.append(problem.line);
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

QString HistoryReadResult::summary() const
{
    if (state == State::Failed)
        return error;
    if (problems.isEmpty())
        return {};
    QString text = QStringLiteral("O histórico \"%1\" não está como o programa o grava.")
                       .arg(QDir::toNativeSeparators(path));
    for (const HistoryFileProblem& problem : problems) {
        if (problem.line == 0)
            text += u' ' + problem.message;
    }
    const QList<int> lines = damagedLines();
    if (!lines.isEmpty()) {
        text += lines.size() == 1
                    ? QStringLiteral(" A linha %1 tem problemas.").arg(lines.first())
                    : QStringLiteral(" As linhas %1 têm problemas.").arg(lineList(lines));
    }
    text += QStringLiteral(" Ele foi lido até onde foi possível; antes de ser regravado, uma "
                           "cópia do arquivo original será guardada na mesma pasta.");
    return text;
}

} // namespace belvane
