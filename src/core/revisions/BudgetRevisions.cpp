#include "core/revisions/BudgetRevisions.h"

#include "core/storage/SafeFile.h"
#include "core/store/ExtensionStore.h"
#include "core/text/NumberFormat.h"

#include <cstring>

namespace belvane {

std::optional<TBudgetData> budgetFromFileBytes(const QByteArray& bytes)
{
    if (bytes.size() != qsizetype(sizeof(TBudgetData)))
        return std::nullopt;
    TBudgetData budget;
    std::memcpy(static_cast<void*>(&budget), bytes.constData(), sizeof(TBudgetData));
    return budget;
}

std::vector<BudgetVersion> budgetVersions(const ExtensionStore& store, int budgetNumber,
                                          const QString& currentPath)
{
    std::vector<BudgetVersion> versions;
    for (BudgetRevision& kept : store.revisions().of(budgetNumber)) {
        std::optional<TBudgetData> budget = budgetFromFileBytes(kept.file);
        versions.push_back({kept.number, kept.keptAt, std::move(budget), std::move(kept.file)});
    }
    if (!currentPath.isEmpty()) {
        ReadOutcome read = readWholeFile(currentPath, qint64(sizeof(TBudgetData)) + 1);
        if (read.ok())
            versions.push_back({0, {}, budgetFromFileBytes(read.bytes), std::move(read.bytes)});
    }
    return versions;
}

QStringList budgetVersionCells(const BudgetVersion& version)
{
    QStringList cells;
    cells << (version.current() ? QStringLiteral("Atual") : QString::number(version.revision));
    cells << (version.current() ? QString() : version.keptAt.toString(QStringLiteral("dd/MM/yyyy hh:mm")));
    if (!version.budget) {
        cells << QStringLiteral("arquivo danificado") << QString() << QString() << QString();
        return cells;
    }
    const TBudgetData& b = *version.budget;
    cells << formatNumber(double(b.BudgetValue), u"#,##0.00") << formatNumber(double(b.ProfitPercent), u"0.0")
          << formatNumber(double(b.TaxRate), u"0.0") << QString::number(b.Hxh);
    return cells;
}

} // namespace belvane
