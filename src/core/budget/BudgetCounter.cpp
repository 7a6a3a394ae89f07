#include "core/budget/BudgetCounter.h"

#include "core/storage/SafeFile.h"
#include "core/storage/StorageMessages.h"

#include <QtEndian>

namespace belvane {
namespace {

QString counterPath(const QString& projectsDir)
{
    return projectsDir + QLatin1String(kBudgetCounterFileName);
}

} // namespace

BudgetCounterRead ReadBudgetCounter(const QString& projectsDir)
{
    const QString path = counterPath(projectsDir);
    const ReadOutcome read = readWholeFile(path, 4);
    if (read.state == ReadOutcome::State::Missing)
        return {};
    if (read.state == ReadOutcome::State::Failed)
        return {0, read.error};
    if (read.bytes.size() < 4) {
        return {0, readFailureMessage(path, QStringLiteral("o arquivo tem %1 bytes, mas deveria ter 4")
                                                .arg(read.bytes.size()))};
    }
    return {qFromLittleEndian<qint32>(read.bytes.constData()), {}};
}

IoResult WriteBudgetCounter(const QString& projectsDir, qint32 counter)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(counter, bytes.data());
    return writeFileAtomically(counterPath(projectsDir), bytes);
}

} // namespace belvane
